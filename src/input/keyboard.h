// Keyboard input as the operations see it. The console hands over one line
// at a time; the program keeps the current line in its own buffer, so that
// "discard what is left unread" drops the rest of that line only and never a
// line typed after it. Every read first flushes the screen output. When the
// keyboard input ends, the session ends at once (see GirdiBitti).
#pragma once

#include <cstddef>
#include <cstdint>

// Drops whatever is left unread of the current line.
void klavye_at();

// What satir_oku answers for a line it refuses.
inline constexpr int SATIR_UZUN = -1;     // longer than the buffer holds
inline constexpr int SATIR_DENETIM = -2;  // holds a control byte

// Reads the rest of the current line (a fresh line when none is pending) into
// `tampon`, whose size is `boyut`, without its line end. Answers the length,
// SATIR_UZUN when the line does not fit (`boyut` - 1 characters at most), or
// SATIR_DENETIM when it holds a control byte (0 to 8, 11 to 31, 127; the tab
// is allowed). A refused line leaves `tampon` empty.
int satir_oku(char* tampon, std::size_t boyut);

// The prompt rule's first half: prints `istem` and drops what is left of the
// current line.
void istem_yaz(const char* istem);

// The whole prompt rule: istem_yaz, then one line read as satir_oku does.
int istem_oku(const char* istem, char* tampon, std::size_t boyut);

// The menu's number: skips blanks and line ends, then reads an optional sign
// and decimal digits; what follows stays unread while the line fits the line
// buffer (1,024 bytes with its line end), and the rest of a longer line is
// dropped whole. A number too large for 32 bits saturates. When no number stands there, the rest of
// the line is dropped and 0 is answered.
int32_t tamsayi_oku();

// A decimal amount, read after the prompt rule's discard: blanks and line
// ends skipped, then sign, digits, point, digits and an exponent. Answers
// false when no finite number stands there. The rest of the line is dropped.
bool ondalik_oku(double* deger);

// One key press without echo and without Enter. Enter answers 13 and
// Backspace 8, whatever the terminal sends. The key never comes from the rest
// of the current line: when the input is not a terminal, it is the first
// byte after that line.
int tus_oku();

// Thrown when the keyboard input has ended. It unwinds the operation that was
// reading, whose files close on the way, up to the program's entry, which
// ends the session with exit status 0.
struct GirdiBitti {};

// Ends the session because the keyboard input has ended.
[[noreturn]] void girdi_bitti();

// Forgets all keyboard input as at start, for one more session in the same
// process.
void klavye_sifirla();
