#include "patients/editing.h"

void duzenle() {}
