// The key codes the program tells apart. Every other key is the byte of the
// character it types, in code page 857.
#pragma once

// Backspace, whatever the terminal sends for it (8 or DEL).
inline constexpr int TUS_SIL = 8;
// Enter, whatever the terminal sends for it (CR or LF).
inline constexpr int TUS_ENTER = 13;
// Escape, and every key that types no character (arrows, function keys,
// Insert, Delete, Home, End, Page Up and Down), consumed whole.
inline constexpr int TUS_KACIS = 27;
// What a terminal sends for Enter in line mode, and for Backspace.
inline constexpr int BAYT_LF = '\n';
inline constexpr int BAYT_DEL = 127;
