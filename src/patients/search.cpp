#include "patients/search.h"

void hastaara() {}
