#include "visits/archive.h"

void muayene() {}
