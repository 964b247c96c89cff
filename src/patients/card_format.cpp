#include "patients/card_format.h"

#include <charconv>
#include <cmath>

char* tutar_ekle(char* p, double tutar) {
  // The number formatter spells infinities and NaNs in its own way on some
  // platforms; these four are spelled here as the screens show them.
  if (std::isnan(tutar)) return std::signbit(tutar) ? sabit_ekle(p, "-nan") : sabit_ekle(p, "nan");
  if (std::isinf(tutar)) return tutar < 0 ? sabit_ekle(p, "-inf") : sabit_ekle(p, "inf");
  std::to_chars_result r = std::to_chars(p, p + TUTAR_EN_UZUN, tutar, std::chars_format::fixed, 2);
  return r.ptr;
}
