// Locks between copies of the program that share a data file: one byte far
// past any record, so that no lock ever covers data. Writers take it alone,
// readers of a block take it together. A try never waits; whoever wants to
// wait tries again after a pause (the store decides for how long).
#pragma once

#include <cstdint>
#include <cstdio>

// Where the lock byte lies: below 2^63 for every signed 64-bit offset (POSIX
// off_t, the NFS lock service, SMB servers that map to POSIX locks), and
// further out than any record file can reach. Windows locks are mandatory,
// so a lock on bytes that hold records would fail other desks' reads of them.
inline constexpr int64_t KILIT_KONUMU = int64_t{1} << 62;
inline constexpr int64_t KILIT_BOYU = 1;

enum class KilitTuru {
  okuma,  // shared: many readers at once, no writer
  yazma   // exclusive: one writer, no reader
};

// What one try came to.
enum class KilitDenemesi {
  alindi,  // taken
  dolu,    // another holder stands in the way: worth trying again
  hata     // the system cannot lock this file at all (a network mount whose
           // lock service is down, say): trying again will not help
};

// Takes the lock on the stream's file if no other holder stands in the way.
// A stream of a record file must be open for reading to take a reading lock,
// for writing to take a writing one.
KilitDenemesi kilit_dene(FILE* f, KilitTuru tur);

// Lets the lock go.
void kilit_birak(FILE* f);

// Pauses between two tries.
void kilit_arasi_bekle();
