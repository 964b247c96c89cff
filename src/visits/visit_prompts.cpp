#include "visits/visit_prompts.h"

#include <cmath>

#include "input/asking.h"
#include "input/keyboard.h"

double tutar_sor(const char* istem, double bakiye) {
  // An entry that does not start with a number leaves the amount at zero,
  // and zero is asked again.
  auto oku = [] {
    double tutar = 0;
    ondalik_oku(&tutar);
    return tutar;
  };
  return sor(istem, oku, [&](double tutar) {
    return tutar != 0 && !(std::isfinite(bakiye) && !std::isfinite(bakiye + tutar));
  });
}
