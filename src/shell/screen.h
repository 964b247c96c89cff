// The frame every screen shares: the header that starts it and the return
// prompt that ends an operation. All output goes through stdout, which is
// fully buffered and flushed before every read from the keyboard.
#pragma once

#include <cstddef>

// Sets up the one output stream; called once at start.
void ekran_hazirla();

// printf to the screen.
#if defined(__GNUC__)
#define PALVO_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define PALVO_PRINTF(a, b)
#endif
void yaz(const char* bicim, ...) PALVO_PRINTF(1, 2);

// Raw bytes to the screen.
void yaz_bayt(const char* veri, std::size_t boy);

// Clears the console and draws the title line (with the session name once
// somebody has logged in) and the screen title between two runs of "=".
void basla(const char* baslik);

// The return prompt: waits for one key press. The calling operation returns
// at once after it ("return bitir();"), which closes its files.
void bitir();
