// The one way every prompt asks: print the prompt, drop what is left of the
// current line, read an answer, and ask again, with no message and no limit,
// until the answer is accepted. A line is never cut to fit.
#pragma once

#include <cstddef>

#include "input/keyboard.h"

// Asks with `istem` until `kabul(cevap)` takes the answer that `oku()` reads
// after the prompt, and answers it. The line prompts read one line; the
// amounts read a number, which may wait for it on later lines.
template <class Oku, class Kabul>
auto sor(const char* istem, Oku&& oku, Kabul&& kabul) {
  for (;;) {
    istem_yaz(istem);
    auto cevap = oku();
    if (kabul(cevap)) return cevap;
  }
}

// Asks with `istem` until `kabul(boy)` takes the line read into `cevap`
// (`boyut` bytes). `boy` is the line's length, or SATIR_UZUN or SATIR_DENETIM
// for a line that does not fit or holds a control byte (`cevap` is then
// empty). Answers the accepted `boy`.
template <class Kabul>
int sor(const char* istem, char* cevap, std::size_t boyut, Kabul&& kabul) {
  return sor(
      istem, [&] { return satir_oku(cevap, boyut); }, kabul);
}
