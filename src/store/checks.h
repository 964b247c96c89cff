// Whether a record with a given key exists. Each check opens its file, scans
// it, stops at the first record in use that matches and closes it again. A
// file that cannot be opened holds no records. Comparisons are exact. Each
// answers 1 when found, 0 when not, and OKUMA_HATASI when a read error ended
// the scan before a match, so that "not found" is never a guess.
//
// The overloads with a stream check again just before a write: they scan
// the stream that holds the file's writers' lock, since another stream of
// the file, once closed, would drop that lock.
#pragma once

#include "store/record_file.h"

// A patient in use has this identity number.
int kontroltc(const char* metin);
int kontroltc(FILE* hastalar, const char* metin);

// A staff account in use has this name.
int kontrolism(const char* isim);
int kontrolism(FILE* personeller, const char* isim);

// A staff account in use has this name and this password.
int kontrolsfr(const char* isim, const char* sifre);
