// The common lookup of one patient by identity number or name, with which
// editing, deletion, admission, discharge, the cashier and the examination
// archive begin. It asks "TC Kimlik veya Isim: ", finds the first patient in
// use that matches, shows the card and hands the patient back with the
// patient file still open.
#pragma once

#include <cstdint>

#include "store/record_file.h"
#include "store/records.h"

// The patient found. Empty (false) when the lookup has already ended the
// operation: the file could not be opened or nobody matched, and its message
// and return prompt have been shown.
struct BulunanHasta {
  Dosya dosya;        // the patient file, open for update
  hasta kayit;        // the record as read from the file, for the operation to change
  hasta okunan;       // the record as read from the file, unchanged
  int64_t sira = -1;  // the record's slot

  explicit operator bool() const { return static_cast<bool>(dosya); }

  // Writes `kayit` back over its slot and waits until it is on disk, unless
  // the slot no longer holds `okunan` (another desk changed or deleted the
  // patient since the lookup). On failure prints the write's message with the
  // return prompt and answers false; the operation then ends.
  bool geri_yaz();
};

BulunanHasta hastabul();
