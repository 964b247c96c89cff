// The one way every line prompt asks: print the prompt, drop what is left of
// the current line, read one whole line, and ask again, with no message and
// no limit, until the answer is accepted. A line is never cut to fit.
#pragma once

#include <cstddef>

#include "platform/keyboard.h"

// Asks with `istem` until `kabul(boy)` takes the line read into `cevap`
// (`boyut` bytes). `boy` is the line's length, or SATIR_UZUN or SATIR_DENETIM
// for a line that does not fit or holds a control byte (`cevap` is then
// empty). Answers the accepted `boy`.
template <class Kabul>
int sor(const char* istem, char* cevap, std::size_t boyut, Kabul&& kabul) {
  for (;;) {
    int boy = istem_oku(istem, cevap, boyut);
    if (kabul(boy)) return boy;
  }
}
