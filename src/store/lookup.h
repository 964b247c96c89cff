// The common lookup of one patient by identity number or name, with which
// editing, deletion, admission, discharge, the cashier and the examination
// archive begin. It asks "TC Kimlik veya Isim: ", finds the first patient in
// use that matches, shows the card and runs the operation's step on that
// record while the patient file is open at its slot.
#pragma once

#include <cstdint>
#include <cstdio>
#include <type_traits>

#include "store/records.h"

// The patient found, as handed to an operation's step.
struct BulunanHasta {
  hasta kayit;   // the record as read from the file
  FILE* dosya;   // the patient file, open for update
  int64_t sira;  // the record's slot

  // Writes `kayit` back over its slot and waits until it is on disk. On
  // failure prints "Kayit Yazilamadi!" with the return prompt and answers
  // false; the step must then end the operation.
  bool geri_yaz();
};

enum class Bulma {
  bitti,    // the file could not be opened, nobody matched, or the step ended
            // the operation: its message and return prompt have been shown
  bulundu,  // the step ran to its end; the operation goes on to its ending
};

// The step answers false when it has ended the operation itself (after a
// refusal and the return prompt).
Bulma hastabul_cagir(bool (*cagir)(void* adim, BulunanHasta& bulunan), void* adim);

template <class F>
Bulma hastabul(F&& adim) {
  using Adim = std::remove_reference_t<F>;
  return hastabul_cagir(
      [](void* a, BulunanHasta& b) -> bool { return (*static_cast<Adim*>(a))(b); }, &adim);
}
