// Checks that a typed answer must pass. Each answers 1 (acceptable) or 0 and
// never prints. Length rules belong to the prompting operations, which call
// these only for answers of the right length.
#pragma once

// Every character a decimal digit; the empty text passes.
int kontrolno(const char* metin);

// First character E, K, e or k.
int kontrolcns(const char* metin);

// Marital status: normalises the text in place with ilkharf (also when it is
// refused), then accepts "Evli", "Bekar" or "Dul".
int kontrolmh(char* metin);

// Date day/month/year: pieces cut at "/" as strtok does, of lengths 2, 2 and
// 4, day value below 32 and month value at most 12 (values read as atoi).
int kontroltar(const char* metin);

// Time hour:minute: pieces cut at ":" of lengths 2 and 2, hour at most 23 and
// minute below 60.
int kontrolst(const char* metin);
