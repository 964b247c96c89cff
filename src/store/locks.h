// The locks that keep desks sharing a data folder out of each other's way:
// operating-system byte-range locks on three bytes past the data of each file
// (platform/file_lock.h), never held while the program waits for a key or a
// line.
//
// - The data byte (2^62). A write holds it exclusive for its compare or
//   merge, its write and its sync, and no longer. A scan holds it shared for
//   each block it reads, so no desk reads a record half written.
// - The pending byte (2^62 + 1). A writer takes it, exclusive, before it
//   tries for the data byte, and lets it go once it has that. A scan passes it
//   (takes it shared and lets it go at once) before each block's lock. So no
//   block starts while a writer waits, and the writer gets in after at most
//   one block of each scan. A writer holds it at most BEKLEYEN_TUTMA at a
//   time, then leaves it free for BEKLEYEN_ARASI and tries again within its
//   deadline; a scan that has waited for it longer than any writer holds it
//   (BEKLEYEN_SABRI) stops passing it for the rest of the scan, so that a
//   writer stuck behind a reader, or a desk stopped while it held the byte,
//   never stalls every reader past that.
// - The numbers byte (2^62 + 2). Taken, exclusive, only by the writes that
//   can give a record a number: registration and an edit to a new number in
//   the patient file, staff registration in the staff file. It is held from
//   the start of the number's check to the end of the write. The check reads
//   block by block as any scan does, so it stops neither readers nor the
//   other writers; under the data byte, the write checks again only the
//   records appended since its check began. Payments, admissions, discharges
//   and deletions never wait for a check; a second registration waits for
//   the first one's check to end, which is bounded work, so this wait is
//   bounded by NUMARA_BEKLEMESI rather than KILIT_BEKLEMESI.
//
// Waits. One deadline per write for all of its locks, KILIT_BEKLEMESI, the
// numbers byte aside; a scan has one per block. Only time spent waiting
// counts, not time spent reading. A lock that a crashed client left on a
// network share therefore never hangs a desk, and a lock that the system
// refuses for another reason than a holder fails at once. Polls back off from
// 1 ms to EN_UZUN_ARALIK, except that a writer holding the pending byte polls
// every millisecond: every reader waits behind it. Writers are not ordered
// among themselves: whichever tries at the right moment gets in.
//
// Order. The numbers byte comes before any other lock on its file, and
// whoever holds a data byte exclusive never waits for a numbers byte. A lock
// taken while another file's is held is always the patient file's: the
// archive's (the discharge) and the report's come first, so two desks never
// each hold what the other waits for.
//
// Platforms. No lock is ever upgraded from shared to exclusive, which not
// every system can do (Windows, a CIFS mount of a Windows server, NFS).
// POSIX drops every lock of a process on a file when any descriptor of that
// file is closed: while the program holds a lock on a file it closes no
// descriptor of it. What this process holds is kept per file and per byte,
// so a lock it already holds is never asked for again (a shared lock asked
// for again under an exclusive one would turn it shared on POSIX, and wait
// for itself on Windows). Ctrl+Z waits while the desk holds any of these
// locks (platform/signals.h).
//
// Desks of an earlier build take only the data byte. Nothing is lost beside
// them, since every write still holds that byte exclusive and every read
// block holds it shared; but their readers do not pass the pending byte, and
// their number checks do not take the numbers byte (see docs/several-desks.md).
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "platform/file_lock.h"

inline constexpr std::chrono::milliseconds KILIT_BEKLEMESI{5000};
inline constexpr std::chrono::milliseconds NUMARA_BEKLEMESI{30000};
inline constexpr std::chrono::milliseconds BEKLEYEN_TUTMA{1000};
inline constexpr std::chrono::milliseconds BEKLEYEN_ARASI{100};
inline constexpr std::chrono::milliseconds BEKLEYEN_SABRI{1500};
inline constexpr std::chrono::milliseconds EN_UZUN_ARALIK{50};

// How long a desk may still wait for locks: the budget of one write, or of
// one block of a scan. Only what the waits spend is taken from it.
class Sabir {
 public:
  explicit Sabir(std::chrono::milliseconds toplam) : kalan_(toplam) {}

  bool tukendi() const { return kalan_ <= std::chrono::steady_clock::duration::zero(); }
  std::chrono::steady_clock::duration kalan() const { return kalan_; }
  void harca(std::chrono::steady_clock::duration d) { kalan_ -= d; }

 private:
  std::chrono::steady_clock::duration kalan_;
};

// How a try for a lock ended.
enum class KilitSonucu {
  tutuluyor,    // held, by this guard or an earlier one
  zaman_asimi,  // others held it for longer than the wait allowed
  hata          // the system refuses locks on this file
};

// The lock of one byte of one file while the guard lives. A lock that this
// process already holds on that byte of that file (through this stream or
// another) is held without being taken again and is left held, provided it
// is exclusive or a shared one is asked for.
class Kilit {
 public:
  Kilit() = default;
  // Takes the lock, trying again while another holder stands in the way for
  // as long as `sabir` allows and, with `en_cok`, no longer than that. The
  // polls back off from 1 ms to EN_UZUN_ARALIK, or stay at 1 ms with `sik`.
  Kilit(FILE* f, int64_t bayt, KilitTuru tur, Sabir& sabir,
        std::chrono::milliseconds en_cok = std::chrono::milliseconds::max(), bool sik = false);
  ~Kilit() { birak(); }
  Kilit(const Kilit&) = delete;
  Kilit& operator=(const Kilit&) = delete;
  Kilit& operator=(Kilit&& k) noexcept;

  explicit operator bool() const { return sonuc_ == KilitSonucu::tutuluyor; }
  KilitSonucu sonuc() const { return sonuc_; }

  // Lets the lock go now, if this guard took it.
  void birak();

 private:
  int yer_ = -1;  // this guard's entry among the locks the process holds
  KilitSonucu sonuc_ = KilitSonucu::zaman_asimi;
};

// Whether this process holds a lock on byte `bayt` of the stream's file,
// exclusive when `tur` says so, or of either kind.
bool kilit_bende(FILE* f, int64_t bayt, KilitTuru tur = KilitTuru::okuma);

// The lock of one block of a scan: the pending byte passed, then the data
// byte shared, within one KILIT_BEKLEMESI. `bekleyeni_gec` is the scan's:
// it turns false once the pending byte has been waited for longer than
// BEKLEYEN_SABRI, and the scan passes it no more. A scan of a file whose data
// byte this process holds passes nothing.
class BlokKilidi {
 public:
  BlokKilidi(FILE* f, bool& bekleyeni_gec);

  explicit operator bool() const { return static_cast<bool>(veri_); }
  KilitSonucu sonuc() const { return veri_.sonuc(); }

 private:
  Kilit veri_;
};

// The lock of a write: the pending byte, then the data byte exclusive, both
// within `sabir`; the pending byte is let go once the data byte is had.
class YazmaKilidi {
 public:
  YazmaKilidi(FILE* f, Sabir& sabir);

  explicit operator bool() const { return static_cast<bool>(veri_); }

 private:
  Kilit veri_;
};
