// Locks between copies of the program that share a data file: bytes far
// past any record, so that no lock ever covers data. A try never waits;
// whoever wants to wait tries again after a pause (the store decides how
// long, and what each byte means: store/locks.h).
#pragma once

#include <cstdint>
#include <cstdio>

// Where the lock bytes lie: below 2^63 for every signed 64-bit offset (POSIX
// off_t, the NFS lock service, SMB servers that map to POSIX locks), and
// further out than any record file can reach. Windows locks are mandatory,
// so a lock on bytes that hold records would fail other desks' reads of them.
// The first is the one every build of the program takes; the others follow.
inline constexpr int64_t KILIT_KONUMU = int64_t{1} << 62;     // the data byte
inline constexpr int64_t BEKLEYEN_KONUMU = KILIT_KONUMU + 1;  // a writer waits
inline constexpr int64_t NUMARA_KONUMU = KILIT_KONUMU + 2;    // a number check

enum class KilitTuru {
  okuma,  // shared: many holders at once, no exclusive one
  yazma   // exclusive: one holder
};

// What one try came to.
enum class KilitDenemesi {
  alindi,  // taken
  dolu,    // another holder stands in the way: worth trying again
  hata     // the system cannot lock this file at all (a network mount whose
           // lock service is down, say): trying again will not help
};

// Takes the lock on byte `bayt` of the stream's file if no other holder
// stands in the way. A stream of a record file must be open for reading to
// take a shared lock, for writing to take an exclusive one.
KilitDenemesi kilit_dene(FILE* f, int64_t bayt, KilitTuru tur);

// Lets the lock on byte `bayt` go.
void kilit_birak(FILE* f, int64_t bayt);

// Pauses `ms` milliseconds between two tries.
void kilit_arasi_bekle(int ms);
