// Whether a record with a given key exists. Each check opens its file, scans
// it, stops at the first record in use that matches and closes it again. A
// file that cannot be opened holds no records. Comparisons are exact.
#pragma once

// A patient in use has this identity number.
int kontroltc(const char* metin);

// A staff account in use has this name.
int kontrolism(const char* isim);

// A staff account in use has this name and this password.
int kontrolsfr(const char* isim, const char* sifre);
