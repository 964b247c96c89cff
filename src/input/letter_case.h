// Letter-case rules for typed text. Only the 26 ASCII letters change; digits,
// punctuation, blanks and every byte above 127 stay as they are, and the
// length of the text never changes.
#pragma once

// First letter and every letter after a blank upper case, all others lower.
void ilkharf(char* metin);

// Every letter lower case.
void kucult(char* metin);
