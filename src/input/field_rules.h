// The rules of the typed record fields, one table shared by registration,
// editing, admission and discharge: which answers a field accepts, what an
// empty answer stands for, and how an accepted answer is normalised before
// it is stored.
#pragma once

#include <cstddef>
#include <cstring>

#include "input/asking.h"

enum class AlanKurali {
  tckimlik,   // exactly 11 characters, all digits
  isim,       // at least 4 characters with a blank among them (also a doctor)
  cinsiyet,   // exactly 1 character: E, K, e or k
  tarih,      // exactly 10 characters that pass the date check
  saat,       // exactly 5 characters that pass the time check
  en_az_iki,  // at least 2 characters
  telefon,    // at least 5 digits, the first not 0
  medenihal,  // Evli, Bekar or Dul in any case
  guvence,    // at least 2 characters; an empty answer stands for "Yok"
};

// Whether an answer of `boy` characters passes the rule, tested as typed.
// The marital-status check normalises `cevap` in place, also when it refuses.
bool kural_gecer(AlanKurali kural, char* cevap, std::size_t boy);

// What an empty answer stands for, or nullptr when it stands for nothing.
const char* bos_cevap(AlanKurali kural);

// Normalises an accepted answer: capital initials for every field but the
// identity number, the dates, the times and the telephone number.
void normallestir(AlanKurali kural, char* cevap);

// Asks with `istem` until the answer fits the field and passes its rule, then
// stores the normalised answer in the field. The answer is read into a buffer
// of the field's own width, so a longer line is asked again, never cut.
template <std::size_t N>
void alan_sor(const char* istem, char (&alan)[N], AlanKurali kural) {
  char cevap[N];
  sor(istem, cevap, N, [&](int boy) {
    const char* bos = bos_cevap(kural);
    if (boy == 0 && bos != nullptr && std::strlen(bos) < N) {
      std::memcpy(cevap, bos, std::strlen(bos) + 1);
      boy = static_cast<int>(std::strlen(bos));
    }
    return boy >= 0 && kural_gecer(kural, cevap, static_cast<std::size_t>(boy));
  });
  normallestir(kural, cevap);
  std::memcpy(alan, cevap, std::strlen(cevap) + 1);
}
