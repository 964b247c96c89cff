#include "visits/discharge.h"

void hcikis() {}
