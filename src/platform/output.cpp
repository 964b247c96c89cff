#include "platform/output.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/console.h"

namespace {

// Large enough for the longest screen, so that a screen normally reaches
// the console in one write.
constexpr std::size_t CIKTI_TAMPONU = 1 << 16;

char tampon[CIKTI_TAMPONU];
std::size_t dolu = 0;

}  // namespace

void ekran_bosalt() {
  if (dolu == 0) return;
  konsol_yaz(tampon, dolu);
  dolu = 0;
}

void yaz(const char* bicim, ...) {
  va_list ap;
  va_start(ap, bicim);
  va_list yine;
  va_copy(yine, ap);
  int n = std::vsnprintf(tampon + dolu, sizeof tampon - dolu, bicim, ap);
  if (n > 0 && static_cast<std::size_t>(n) >= sizeof tampon - dolu) {
    // It did not fit behind what is waiting: hand that over and format
    // again into the empty buffer. A single piece longer than the whole
    // buffer (no screen has one) keeps its first part only.
    ekran_bosalt();
    n = std::vsnprintf(tampon, sizeof tampon, bicim, yine);
    if (n > 0 && static_cast<std::size_t>(n) >= sizeof tampon) n = sizeof tampon - 1;
  }
  va_end(yine);
  va_end(ap);
  if (n > 0) dolu += static_cast<std::size_t>(n);
}

void yaz_bayt(const char* veri, std::size_t boy) {
  if (boy > sizeof tampon - dolu) ekran_bosalt();
  if (boy > sizeof tampon) {
    konsol_yaz(veri, boy);
    return;
  }
  std::memcpy(tampon + dolu, veri, boy);
  dolu += boy;
}
