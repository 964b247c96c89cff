// The common lookup of one patient by identity number or name, with which
// editing, deletion, admission, discharge, the cashier and the examination
// archive begin. It asks "TC Kimlik veya Isim: ", finds the first patient in
// use that matches, shows the card and hands the patient back with the
// patient file still open.
#pragma once

#include <cstdint>

#include "screen/screen.h"
#include "store/record_file.h"
#include "store/records.h"

// The patient found. Empty (false) when the lookup has already ended the
// operation: the file could not be opened or nobody matched, and its message
// and return prompt have been shown.
struct BulunanHasta {
  Dosya dosya;        // the patient file, open for update
  hasta kayit;        // the record as read from the file, for the operation to change
  hasta okunan;       // the record as read from the file, unchanged
  int64_t sira = -1;  // the record's slot

  explicit operator bool() const { return static_cast<bool>(dosya); }

  // Makes the operation's change (`okunan` made into `kayit`, and `d`) to
  // the patient's slot and waits until it is on disk; another desk's change
  // since the lookup is merged where both can stand (kayit_guncelle). The
  // check `engel(f, simdi)` under the lock, answering 1, ends the operation
  // with `engel_mesaji`. On failure prints the write's message with the
  // return prompt and answers false; the operation then ends.
  template <class Engel>
  bool geri_yaz(const Degisiklik& d, Engel&& engel, const char* engel_mesaji) {
    return yazildi(kayit_guncelle(dosya.akis(), sira, okunan, kayit, d, engel), engel_mesaji);
  }
  bool geri_yaz(const Degisiklik& d) {
    return geri_yaz(
        d, [](FILE*, const hasta&) { return 0; }, KAYIT_YAZILAMADI);
  }
};

BulunanHasta hastabul();
