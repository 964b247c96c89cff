#include "visits/cashier.h"

void vezne() {}
