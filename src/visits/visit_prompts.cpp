#include "visits/visit_prompts.h"

#include <cmath>
#include <cstring>

#include "input/validators.h"
#include "shell/screen.h"

bool tarih_gecer(const char* metin, int boy) {
  return boy == 10 && kontroltar(metin);
}

bool saat_gecer(const char* metin, int boy) {
  return boy == 5 && kontrolst(metin);
}

bool en_az_iki_gecer(const char*, int boy) {
  return boy >= 2;
}

bool doktor_gecer(const char* metin, int boy) {
  return boy >= 4 && std::strchr(metin, ' ') != nullptr;
}

double tutar_sor(const char* istem, double bakiye) {
  for (;;) {
    yaz("%s", istem);
    klavye_at();
    double tutar = 0;
    if (!ondalik_oku(&tutar) || tutar == 0) continue;
    if (std::isfinite(bakiye) && !std::isfinite(bakiye + tutar)) continue;
    return tutar;
  }
}
