// The Windows side of the console layer that can be tried without a console:
// how one input event of the console becomes a key of the program, and how
// the characters of a read become bytes.
#pragma once

#include <windows.h>

#include <cstddef>

// What tus_cevir answers for an event that is no key press of its own: a key
// released, or Shift, Ctrl, Alt, a lock key or a dead key pressed alone.
inline constexpr int TUS_YOK = -2;

// The key that one key event of the console delivers: the code page 857 byte
// of the character it carries (0xE0 is a letter like any other; Enter 13,
// Backspace 8, Ctrl+Z 26), CP857_YOK for a character the code page lacks, or
// 27 for a key that carries no character (arrows, function keys, Insert,
// Delete, Home, End, Page Up and Down), which is consumed whole as on a
// terminal. A character typed with Alt and the numeric keypad, or pasted
// without a key of its own, comes with the release of Alt, and that release
// is a key press too. The repeat count of a held key does not count: one
// event is one key. TUS_YOK for every other event.
int tus_cevir(const KEY_EVENT_RECORD& olay);

// One read of characters from the console, as ReadConsoleW makes it: its
// result, with what it read in `okunan` and the reason of a failure in
// GetLastError.
using KonsolOkuma = BOOL (*)(wchar_t* tampon, DWORD n, DWORD* okunan);

// What konsol_oku does on a console, with `oku` for the console: reads
// characters and gives their code page 857 bytes, at most `n` (CP857_YOK for
// a character the code page lacks). A read that Ctrl+C cut short (aborted,
// or empty) is no end of the input: it waits `bekle_ms` for the control
// handler to end the program, then reads again. Answers 0 only when the read
// fails otherwise (the console is gone).
std::size_t konsoldan_oku(KonsolOkuma oku, DWORD bekle_ms, unsigned char* tampon, std::size_t n);
