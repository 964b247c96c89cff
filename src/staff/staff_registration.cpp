#include "staff/staff_registration.h"

void personel() {}
