// The rules of the twelve personal fields of a patient, shared by
// registration and editing: which answers a field accepts and how an accepted
// answer is normalised before it is stored.
#pragma once

#include <cstddef>

enum class AlanKurali {
  tckimlik,   // exactly 11 characters, all digits
  isim,       // at least 4 characters with a blank among them
  cinsiyet,   // exactly 1 character: E, K, e or k
  tarih,      // exactly 10 characters that pass the date check
  en_az_iki,  // at least 2 characters
  telefon,    // at least 5 digits, the first not 0
  medenihal,  // Evli, Bekar or Dul in any case
  guvence,    // at least 2 characters (an empty answer has become "Yok")
};

// Whether an answer of `boy` characters passes the rule, tested as typed.
// The marital-status check normalises `cevap` in place, also when it refuses.
bool kural_gecer(AlanKurali kural, char* cevap, std::size_t boy);

// The case normalisation of an accepted answer: every field except the
// identity number, the date and the telephone number gets capital initials.
void normallestir(AlanKurali kural, char* cevap);
