// The patient card: six lines that show one patient on every screen that
// shows patients, and in the report file.
#pragma once

#include <cstddef>

#include "store/records.h"

// Room enough for the longest card any record can give.
inline constexpr std::size_t KART_BOYU = 2048;

// Formats the card of `k` into `tampon` (KART_BOYU bytes) and answers its
// length. The screen and the report write exactly these bytes.
std::size_t kart_bicimle(char* tampon, const hasta& k);

// Prints the card on the screen.
void goster(const hasta& k);
