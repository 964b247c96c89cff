// The pieces the card's text is built from, without printf: fixed texts
// copied, fields padded by hand as "%-Ns" and "%Ns" would pad them, and
// amounts in fixed notation with two decimals as "%.2f" prints them. Each
// piece writes at `p` and answers the position behind what it wrote; the
// caller's buffer must have room for it.
#pragma once

#include <cstddef>
#include <cstring>

#include "store/field.h"

// The longest text of an amount: a sign, 309 digits, the point, 2 decimals.
inline constexpr std::size_t TUTAR_EN_UZUN = 313;

// `n` bytes of `metin`.
inline char* metin_ekle(char* p, const char* metin, std::size_t n) {
  std::memcpy(p, metin, n);
  return p + n;
}

// A text literal, without its NUL.
template <std::size_t N>
char* sabit_ekle(char* p, const char (&metin)[N]) {
  return metin_ekle(p, metin, N - 1);
}

inline char* bosluk_ekle(char* p, std::size_t n) {
  std::memset(p, ' ', n);
  return p + n;
}

// A field as "%s": its text up to the first NUL, or its whole width.
template <std::size_t N>
char* alan_ekle(char* p, const char (&alan)[N]) {
  return metin_ekle(p, alan, alan_boyu(alan));
}

// A field as "%-Ns": left-aligned and padded with blanks to `genislik`.
template <std::size_t N>
char* sola_ekle(char* p, const char (&alan)[N], std::size_t genislik) {
  std::size_t n = alan_boyu(alan);
  p = metin_ekle(p, alan, n);
  return n < genislik ? bosluk_ekle(p, genislik - n) : p;
}

// A field as "%Ns": right-aligned in `genislik` columns.
template <std::size_t N>
char* saga_ekle(char* p, const char (&alan)[N], std::size_t genislik) {
  std::size_t n = alan_boyu(alan);
  if (n < genislik) p = bosluk_ekle(p, genislik - n);
  return metin_ekle(p, alan, n);
}

// An amount as "%.2f": the exact binary value rounded to two decimals, half
// to even; "-0.00" for a negative zero or a negative amount that rounds to
// zero, "inf", "-inf", "nan" and "-nan" for the values that are no numbers.
// At most TUTAR_EN_UZUN bytes.
char* tutar_ekle(char* p, double tutar);
