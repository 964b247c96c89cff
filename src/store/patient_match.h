// How a typed line finds patients, shared by the lookup and the search: a
// line of digits only is an identity number, compared exactly; anything else
// is a name, compared without regard to the case of the letters A to Z.
#pragma once

#include <cstddef>

#include "store/records.h"

struct HastaAnahtari {
  const char* metin;  // as typed for a number, lower-cased for a name
  std::size_t boy;    // its length, measured once for the whole scan
  bool sayi;          // true for an identity number
};

// Classifies `metin` (an empty line counts as a number) and lower-cases it
// in place when it is a name.
HastaAnahtari hasta_anahtari(char* metin);

enum class Eslesme {
  tam,   // the whole name
  parca  // the name contains the text
};

// Whether patient `k` matches: its whole identity number, or its name
// (lower-cased, as `e` says). The stored record is never changed.
bool hasta_eslesir(const hasta& k, HastaAnahtari anahtar, Eslesme e);
