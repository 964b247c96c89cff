// The console services the program needs from the platform: clearing the
// screen, writing to it, reading what the keyboard delivers line by line,
// reading one key press without echo, and leaving the terminal as it was
// found. The program sees a code page 857 console, one byte a letter: a
// console that speaks another encoding (a UTF-8 terminal) is translated
// here, in both directions; pipes and files get and give bytes unchanged.
#pragma once

#include <cstddef>

// Prepares the console once at start, before any file is opened: puts the
// null device on a closed standard input, output or error, remembers the
// terminal's mode and makes sure it is restored at exit and on termination
// signals.
void konsol_baslat();

// Puts the terminal back as it was found. Safe to call more than once.
void konsol_birak();

// Clears the screen (and its scroll-back). Output that does not go to a
// terminal gets a form feed instead. It writes at once, so whatever was
// printed before must have been handed over first.
void konsol_temizle();

// Writes bytes to the screen at once. False when the output failed.
bool konsol_yaz(const char* veri, std::size_t boy);

// True when the keyboard input comes from a terminal.
bool konsol_terminal();

// Reads what the keyboard input has ready, at most `n` bytes (`n` at least
// 8), in the console's normal line mode (echo and line editing on a
// terminal). A typed character that code page 857 lacks, and bytes that are
// not the console's encoding, arrive as CP857_YOK, a control byte.
// Answers the number of bytes, or 0 at the end of the input.
std::size_t konsol_oku(unsigned char* tampon, std::size_t n);

// Reads one key press directly from the terminal, without echo and without
// waiting for Enter; the terminal's mode is changed for this one read only.
// A key that sends an escape sequence is consumed whole and answers 27; a
// key that sends a character of several bytes is consumed whole and answers
// its code page 857 byte, or CP857_YOK when the code page lacks it.
// Answers the key's first byte, or -1 at the end of the input.
int konsol_tus();

// Keeps the terminal in single-key mode for as long as it lives, for a run of
// single-key reads such as the password entry: a key typed between two reads
// is then never echoed by the terminal.
class TusKipi {
 public:
  TusKipi();
  ~TusKipi();
  TusKipi(const TusKipi&) = delete;
  TusKipi& operator=(const TusKipi&) = delete;
};
