#include "patients/registration.h"

void ekle() {}
