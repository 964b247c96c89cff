// Code page 857, the Turkish console code page, and UTF-8. The record files
// keep one byte a letter in code page 857 (what a Turkish Windows console
// delivers); a UTF-8 terminal speaks in UTF-8. The console layer translates
// between the two with these functions, and only on a terminal.
//
// The table is IBM's code page 857 without the euro sign: the three byte
// values 0xD5, 0xE7 and 0xF2 stand for no character (some later variants put
// the euro sign at 0xD5; this program does not, so a typed euro sign is
// refused like every other character the code page lacks).
#pragma once

#include <cstddef>

// What a typed character gives when code page 857 lacks it, and what bytes
// that are not UTF-8 give: the control byte SUB, which every line prompt
// refuses, so the prompt is asked again.
inline constexpr unsigned char CP857_YOK = 0x1A;

// What the three unassigned bytes are shown as: the replacement character.
inline constexpr char32_t YERINE_GECEN = 0xFFFD;

// A byte sequence that is not UTF-8, as utf8_coz reports it.
inline constexpr char32_t UTF8_HATALI = 0xFFFFFFFF;

// The longest UTF-8 form of one code page 857 byte (every character of the
// code page lies in Unicode's first plane).
inline constexpr std::size_t CP857_UTF8_EN_UZUN = 3;

// The longest UTF-8 sequence of any character.
inline constexpr std::size_t UTF8_EN_UZUN = 4;

// The Unicode code point of a code page 857 byte. Bytes below 128 are ASCII;
// the unassigned bytes answer YERINE_GECEN.
char32_t cp857_kod(unsigned char bayt);

// The code page 857 byte of a code point, or -1 when the code page lacks it.
int cp857_bayt(char32_t kod);

// Decodes the UTF-8 character at the start of `p` (`n` >= 1 bytes).
// Answers 0 when the bytes are the incomplete start of a character (more
// must be read). Otherwise answers how many bytes were taken and sets `kod`:
// the code point, or UTF8_HATALI for a byte that cannot start a character
// and for the start of a character cut short by a byte that cannot continue
// it (that byte is not taken). Overlong forms, surrogates and code points
// above U+10FFFF are not UTF-8.
std::size_t utf8_coz(const unsigned char* p, std::size_t n, char32_t* kod);

// How much of a run of bytes a translation has taken and given.
struct Ceviri {
  std::size_t alinan;   // bytes of the input translated
  std::size_t verilen;  // bytes written
};

// Translates UTF-8 typed at a terminal into code page 857, in place (the
// result is never longer). Every character the code page lacks, and every
// piece that is not UTF-8, becomes one CP857_YOK. An incomplete character at
// the end is left untranslated behind `alinan`, for the next read to finish.
Ceviri utf8den_cp857(unsigned char* tampon, std::size_t boy);

// Translates code page 857 bytes into UTF-8 for a terminal, into `hedef` of
// `yer` bytes; stops at the first byte whose UTF-8 form does not fit.
Ceviri cp857den_utf8(const unsigned char* kaynak, std::size_t boy, unsigned char* hedef,
                     std::size_t yer);
