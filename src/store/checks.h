// Whether a record with a given key exists. Each check opens its file, scans
// it, stops at the first record in use that matches and closes it again. A
// file that cannot be opened holds no records. Comparisons are exact. Each
// answers 1 when found, 0 when not, and OKUMA_HATASI when a read error ended
// the scan before a match, so that "not found" is never a guess.
//
// The registrations check the number or the name again as they append, under
// the file's numbers byte and then its writers' lock (numarali_ekle), through
// the stream they append with, since another stream of the file, once closed,
// would drop those locks.
#pragma once

#include "store/record_file.h"

// A patient in use has this identity number.
int kontroltc(const char* metin);

// Appends the patient `kayit` to the patient file open as `hastalar`, unless
// a patient in use holds its number: `engellendi` then.
Yazim tc_ile_ekle(FILE* hastalar, const hasta& kayit);

// A staff account in use has this name.
int kontrolism(const char* isim);

// Appends the account `kayit` to the staff file open as `personeller`,
// unless an account in use has its name: `engellendi` then.
Yazim isim_ile_ekle(FILE* personeller, const struct personel& kayit);

// A staff account in use has this name and this password.
int kontrolsfr(const char* isim, const char* sifre);
