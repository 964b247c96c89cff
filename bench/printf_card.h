// The straightforward way to print a patient card, kept as the yardstick of
// the benchmarks: one fprintf a line, the formats written out in full. It
// expects every field to end in a NUL, as the generated files have them.
#pragma once

#include <cstdio>

#include "store/records.h"

void printf_kart(FILE* f, const hasta& k);

// The list's column heading with the same formats.
void printf_baslik(FILE* f);
