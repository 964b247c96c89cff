// Two desks on one record: an operation read a record minutes ago and made
// its change to it; another desk may have written the same slot since. The
// merge makes the operation's own change to the record as it stands now, and
// refuses only where the two changes cannot both stand.
#pragma once

#include <cstdint>

#include "store/records.h"

// A set of a record's fields, one bit a field in the record's order.
using Alanlar = uint32_t;

// The fields of a patient record that operations name, by their place in the
// record: `dolu` is the first, the balance the last.
namespace hasta_alanlari {
inline constexpr Alanlar TCKIMLIK = 1u << 1;
inline constexpr Alanlar GUVENCE = 1u << 7;
// The nine texts of the visit, as one unit.
inline constexpr Alanlar ZIYARET = 0x1FFu << 13;
}  // namespace hasta_alanlari

// Every field of any record.
inline constexpr Alanlar TUM_ALANLAR = ~Alanlar{0};

// What an operation did to the record it read, besides the record it would
// write over it.
struct Degisiklik {
  // Fields the operation read to decide something, or copies elsewhere:
  // changed since the read, they refuse the write.
  Alanlar sabit = 0;
  // The operation adds `tutar` to the balance (a patient's `ucret`) as it
  // stands, rather than writing the balance it worked out from the read.
  bool tutar_ekler = false;
  double tutar = 0;
};

// What the merge came to.
enum class Birlesim {
  birlesti,  // `sonuc` holds the record to write
  baskasi,   // the slot no longer holds the record in use that was read
             // (deleted, or another number): nothing to write
  cakisti    // both changed one field differently, a fixed field changed, or
             // the amount would make the balance infinite: nothing to write
};

// Merges the operation's change (`okunan` as it read the record, `yeni` as
// it would write it) into `simdi`, the slot as it stands, into `sonuc`:
//
// - a slot still holding `okunan` byte for byte gets `yeni` as it is;
// - the slot must hold a record in use, and, where the identity number is
//   in `sabit` (every operation but editing, where it is one of the fields),
//   the same number;
// - each field is compared as whole bytes, those behind its NUL included: a
//   field the operation left as read keeps its value as it stands; one the
//   other desk left as read, or set to the same bytes, gets the operation's
//   value; changed differently by both, it is a conflict;
// - a field in `sabit` must be as read;
// - the balance of an operation with an amount is the balance as it stands
//   plus the amount, refused where that is not a finite number; without an
//   amount it keeps its bytes as they stand.
Birlesim birlestir(const hasta& okunan, const hasta& yeni, const hasta& simdi, const Degisiklik& d,
                   hasta& sonuc);
Birlesim birlestir(const struct personel& okunan, const struct personel& yeni,
                   const struct personel& simdi, const Degisiklik& d, struct personel& sonuc);
