// Patient and archive files of any size for the benchmarks: valid records of
// varied names, visit states and balances, with deleted slots among them, the
// same for the same count every time.
#pragma once

#include <string>

#include "store/records.h"

// Patient number `i` of a file of `n`. A deleted slot is all zero, as the
// deletion leaves it; the last patient is always in use.
hasta uretilen_hasta(long i, long n);

// How many examinations of the last patient an archive holds, spread evenly
// over it, whatever its size.
inline constexpr long ARSIVDEKI_ZIYARET = 20;

// Archive record number `j` of an archive of `n` examinations: those of the
// last patient among examinations of patients all over the file.
arsiv uretilen_arsiv(long j, long n);

// What a benchmark needs to know about the files of `n` patients.
struct UretimBilgisi {
  std::string son_tc;      // identity number of the last patient
  std::string olmayan_tc;  // a number no patient has
  std::string arama;       // a name search word that many patients match
  long kullanilan;         // patients in use
};
UretimBilgisi uretim_bilgisi(long n);

// Writes `n` patients to `hasta_yolu` and, unless it is empty, `n` archive
// records to `arsiv_yolu`. False when a file could not be written.
bool dosyalari_uret(long n, const std::string& hasta_yolu, const std::string& arsiv_yolu);
