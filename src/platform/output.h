// The one output stream of the screens: a fixed buffer that is handed to the
// console when it fills and before every read from the keyboard, so whatever
// has been printed is on the screen before the program waits.
#pragma once

#include <cstddef>

#if defined(__GNUC__)
#define PALVO_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define PALVO_PRINTF(a, b)
#endif

// printf to the screen.
void yaz(const char* bicim, ...) PALVO_PRINTF(1, 2);

// Raw bytes to the screen.
void yaz_bayt(const char* veri, std::size_t boy);

// Hands everything printed so far to the console.
void ekran_bosalt();
