#include "staff/report.h"

void hrapor() {}
