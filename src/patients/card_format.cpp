#include "patients/card_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// The amount in kurus, rounded from its exact binary value half to even, as
// "%.2f" rounds: false when its magnitude is 2^53 or more, where the general
// formatter takes over. A double is m * 2^e; below 2^53 its e is at most 0,
// and m * 100 (less than 2^60) fits a 64-bit integer, so the division by
// 2^-e and its remainder are exact.
bool kurusa_cevir(double tutar, uint64_t& kurus) {
  uint64_t bitler;
  std::memcpy(&bitler, &tutar, sizeof bitler);
  int us_alani = static_cast<int>((bitler >> 52) & 0x7ff);
  uint64_t m = bitler & ((uint64_t{1} << 52) - 1);
  int e;
  if (us_alani == 0) {
    e = -1074;  // subnormal
  } else {
    m |= uint64_t{1} << 52;
    e = us_alani - 1075;
  }
  if (e > 0) return false;
  uint64_t yuz_kat = m * 100;
  int s = -e;
  if (s == 0) {
    kurus = yuz_kat;
  } else if (s >= 63) {
    kurus = 0;  // less than 2^60 / 2^63: under half a kurus
  } else {
    uint64_t bolum = yuz_kat >> s;
    uint64_t kalan = yuz_kat & ((uint64_t{1} << s) - 1);
    uint64_t yarim = uint64_t{1} << (s - 1);
    if (kalan > yarim || (kalan == yarim && (bolum & 1) != 0)) ++bolum;
    kurus = bolum;
  }
  return true;
}

}  // namespace

char* tutar_ekle(char* p, double tutar) {
  // The number formatter spells infinities and NaNs in its own way on some
  // platforms; these four are spelled here as the screens show them.
  if (std::isnan(tutar)) return std::signbit(tutar) ? sabit_ekle(p, "-nan") : sabit_ekle(p, "nan");
  if (std::isinf(tutar)) return tutar < 0 ? sabit_ekle(p, "-inf") : sabit_ekle(p, "inf");
  uint64_t kurus;
  if (!kurusa_cevir(tutar, kurus)) {
    return std::to_chars(p, p + TUTAR_EN_UZUN, tutar, std::chars_format::fixed, 2).ptr;
  }
  // A negative zero, or a negative amount under half a kurus, keeps its sign.
  if (std::signbit(tutar)) *p++ = '-';
  p = std::to_chars(p, p + TUTAR_EN_UZUN, kurus / 100).ptr;
  unsigned kk = static_cast<unsigned>(kurus % 100);
  p[0] = '.';
  p[1] = static_cast<char>('0' + kk / 10);
  p[2] = static_cast<char>('0' + kk % 10);
  return p + 3;
}
