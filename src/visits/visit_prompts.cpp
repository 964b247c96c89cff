#include "visits/visit_prompts.h"

#include <cmath>

#include "platform/keyboard.h"
#include "shell/screen.h"

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
