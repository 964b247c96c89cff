// One visit's texts, copied from the patient record into an archive record.
#pragma once

#include "store/records.h"

// Copies every text of `kaynak` into `hedef`: each field up to its first NUL
// (a field without one whole), every byte behind it zero, as a new record
// must hold whatever stood in the source behind the text.
void ziyaret_kopyala(Ziyaret& hedef, const Ziyaret& kaynak);
