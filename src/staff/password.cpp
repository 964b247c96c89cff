#include "staff/password.h"

void psifre() {}
