// The Windows side of the console layer that can be tried without a console:
// how one input event of the console becomes a key of the program.
#pragma once

#include <windows.h>

// What tus_cevir answers for an event that is no key press of its own: a key
// released, or Shift, Ctrl, Alt, a lock key or a dead key pressed alone.
inline constexpr int TUS_YOK = -2;

// The key that one key event of the console delivers: the character it
// carries (a byte of the console's code page, so 0xE0 is a letter like any
// other; Enter 13, Backspace 8), or 27 for a key that carries no character
// (arrows, function keys, Insert, Delete, Home, End, Page Up and Down), which
// is consumed whole as on a terminal. TUS_YOK for every other event.
int tus_cevir(const KEY_EVENT_RECORD& olay);
