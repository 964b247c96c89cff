// The prompts that admission, discharge and the cashier share: a visit field
// asked until its rule accepts the answer, and an amount of money.
#pragma once

#include <cstddef>

#include "input/letter_case.h"
#include "shell/keyboard.h"
#include "store/field.h"

// Rules of the visit fields, each tested on the answer as typed.
bool tarih_gecer(const char* metin, int boy);  // day/month/year in 10 characters
bool saat_gecer(const char* metin, int boy);   // hour:minute in 5 characters
bool en_az_iki_gecer(const char* metin, int boy);
bool doktor_gecer(const char* metin, int boy);  // first name and surname

// Asks with `istem` until the answer fits the field and `kabul` takes it, then
// stores it in the field (with capital initials when `harfler`). A line too
// long for the field, or one holding control bytes, is asked for again like
// any other refused answer, never cut.
template <std::size_t N>
void alan_sor(const char* istem, char (&alan)[N], bool (*kabul)(const char*, int),
              bool harfler = false) {
  char metin[N];
  for (;;) {
    int boy = istem_oku(istem, metin, sizeof metin);
    if (boy >= 0 && kabul(metin, boy)) break;
  }
  if (harfler) ilkharf(metin);
  alan_koy(alan, metin);
}

// Asks for an amount until a non-zero number is typed. An empty line is not
// an answer: the read waits for the next line without a new prompt. An amount
// that would turn a finite balance into an infinite or undefined one is
// refused like zero.
double tutar_sor(const char* istem, double bakiye);
