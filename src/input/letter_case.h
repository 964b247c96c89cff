// Letter-case rules for typed text, over the letters of code page 857: the
// 26 ASCII letters and the 29 case pairs beyond them (Ç/ç, Ğ/ğ, Ö/ö, Ş/ş,
// Ü/ü and the others), with İ lowering to i and ı raising to I. Digits,
// punctuation, blanks and every other byte stay as they are, and the length
// of the text never changes.
#pragma once

// First letter and every letter after a blank upper case, all others lower.
// A word's first letter is raised as typed, so İ keeps its dot.
void ilkharf(char* metin);

// Every letter lower case, for comparing names: I, ı and İ all become i, so
// a name is found however its i's were typed.
void kucult(char* metin);
