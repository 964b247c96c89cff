#include "input/letter_case.h"

#include <array>

namespace {

// The case pairs of code page 857 beyond ASCII: upper-case byte, lower-case
// byte. The dotted capital I and the dotless small i have no partner of their
// own there: İ lowers to ASCII i and ı raises to ASCII I.
struct Cift {
  unsigned char buyuk;
  unsigned char kucuk;
};
constexpr Cift CIFTLER[] = {
    {0x80, 0x87}, {0x8E, 0x84}, {0x8F, 0x86}, {0x90, 0x82}, {0x92, 0x91}, {0x99, 0x94},
    {0x9A, 0x81}, {0x9D, 0x9B}, {0x9E, 0x9F}, {0xA5, 0xA4}, {0xA6, 0xA7}, {0xB5, 0xA0},
    {0xB6, 0x83}, {0xB7, 0x85}, {0xC7, 0xC6}, {0xD2, 0x88}, {0xD3, 0x89}, {0xD4, 0x8A},
    {0xD6, 0xA1}, {0xD7, 0x8C}, {0xD8, 0x8B}, {0xDE, 0xEC}, {0xE0, 0xA2}, {0xE2, 0x93},
    {0xE3, 0x95}, {0xE5, 0xE4}, {0xE9, 0xA3}, {0xEA, 0x96}, {0xEB, 0x97},
};
constexpr unsigned char NOKTALI_BUYUK_I = 0x98;   // İ
constexpr unsigned char NOKTASIZ_KUCUK_I = 0x8D;  // ı

using Tablo = std::array<unsigned char, 256>;

// Every byte to itself, but the letters of one case to the other.
constexpr Tablo tablo(bool buyuge) {
  Tablo t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  for (int c = 'a'; c <= 'z'; ++c) {
    if (buyuge) {
      t[c] = static_cast<unsigned char>(c - 'a' + 'A');
    } else {
      t[c - 'a' + 'A'] = static_cast<unsigned char>(c);
    }
  }
  for (const Cift& c : CIFTLER) {
    if (buyuge) {
      t[c.kucuk] = c.buyuk;
    } else {
      t[c.buyuk] = c.kucuk;
    }
  }
  if (buyuge) {
    t[NOKTASIZ_KUCUK_I] = 'I';
  } else {
    t[NOKTALI_BUYUK_I] = 'i';
  }
  return t;
}

constexpr Tablo BUYUK = tablo(true);
constexpr Tablo KUCUK = tablo(false);

// For comparing only: the three kinds of i are one letter.
constexpr Tablo karsilastirma() {
  Tablo t = KUCUK;
  t[NOKTASIZ_KUCUK_I] = 'i';
  return t;
}
constexpr Tablo KARSILASTIRMA = karsilastirma();

char cevir(const Tablo& t, char c) {
  return static_cast<char>(t[static_cast<unsigned char>(c)]);
}

}  // namespace

void ilkharf(char* metin) {
  // One pass: the first letter and every one after a blank (after a run of
  // blanks, the first letter of the next word) are raised from what was
  // typed, the others lowered. Raising a lowered letter would turn İ into I.
  for (char* p = metin; *p != '\0'; ++p) {
    *p = cevir(p == metin || p[-1] == ' ' ? BUYUK : KUCUK, *p);
  }
}

void kucult(char* metin) {
  for (char* p = metin; *p != '\0'; ++p) *p = cevir(KARSILASTIRMA, *p);
}
