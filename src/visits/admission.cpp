#include "visits/admission.h"

void hkabul() {}
