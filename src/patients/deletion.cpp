#include "patients/deletion.h"

void sil() {}
