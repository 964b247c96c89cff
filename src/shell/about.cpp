#include "shell/about.h"

void hakkinda() {}
