// The locks that keep desks sharing a data folder out of each other's way.
// A write holds its file's writers' lock for the write and its sync, and for
// the check that decides whether it may be made; a scan holds the readers'
// lock for each block it reads. Neither is ever held while the program waits
// for a key or a line. A desk that finds the lock taken tries again for at
// most KILIT_BEKLEMESI, so that a lock a crashed client left on a network
// share never hangs every desk; a lock that the system refuses for any other
// reason fails at once. Ctrl+Z waits while the desk holds any lock.
//
// Lock order: a lock taken while another is held is always the patient
// file's. The archive's (the discharge) and the report's come first, so two
// desks never each hold the lock that the other waits for.
#pragma once

#include <chrono>
#include <cstdio>

#include "platform/file_lock.h"

inline constexpr std::chrono::milliseconds KILIT_BEKLEMESI{5000};

// The lock of one file while the guard lives. Empty (false) when it could
// not be had in time. A guard for a lock that the stream already holds, as
// the writers' lock during the check before a write, or a readers' lock
// under it, holds it without taking it again and leaves it held: a record
// lock of POSIX taken again as a readers' lock would turn the writers' lock
// into a shared one, and a second lock of Windows' would wait for the first.
class Kilit {
 public:
  Kilit(FILE* f, KilitTuru tur);
  ~Kilit();
  Kilit(const Kilit&) = delete;
  Kilit& operator=(const Kilit&) = delete;

  explicit operator bool() const { return tutuluyor_; }

 private:
  FILE* f_;
  KilitTuru tur_;
  bool aldi_ = false;       // taken by this guard, let go by it
  bool tutuluyor_ = false;  // held, by this guard or an earlier one
};
