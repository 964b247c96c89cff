#include "screen/session_name.h"

#include <cstring>

#include "input/limits.h"

namespace {

char ad[GIRIS_BOYU];
bool acik = false;

}  // namespace

const char* oturum() {
  return acik ? ad : nullptr;
}

void oturum_ac(const char* isim) {
  std::strncpy(ad, isim, sizeof ad - 1);
  ad[sizeof ad - 1] = '\0';
  acik = true;
}

void oturum_kapat() {
  acik = false;
  ad[0] = '\0';
}
