// The patient card: six lines that show one patient on every screen that
// shows patients, and in the report file.
#pragma once

#include <cstddef>

#include "store/records.h"

// Room enough for the longest card any record can give.
inline constexpr std::size_t KART_BOYU = 2048;

// Writes the card of `k` at `p`, which has room for KART_BOYU bytes, and
// answers the position behind it; the bytes behind that are scratch. The
// screen and the report write exactly the bytes up to it.
char* kart_yaz(char* p, const hasta& k);

// The same into `tampon`; answers the card's length.
std::size_t kart_bicimle(char* tampon, const hasta& k);

// Prints the card on the screen.
void goster(const hasta& k);
