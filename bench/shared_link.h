// The two small files that the emulated network link (shared_link.cpp) keeps
// in shared memory: the link's clock, one for every desk on the link, and
// each desk's own counters, which the desk driver reads before and after
// every operation. Both are plain files mapped by every process that uses
// them; a file shorter than its layout is grown with zeros.
//
// The library is steered by environment variables:
//   PALVO_LINK_CLOCK=FILE     the link's clock (required: without it every
//                             call passes through uncharged)
//   PALVO_LINK_MBPS=x         the link's speed in MB/s (10^6 bytes a second)
//   PALVO_LINK_RTT_US=u       a request's round trip in microseconds (250
//                             when not set)
//   PALVO_LINK_COUNTERS=FILE  this process's counters (none when not set)
#pragma once

#include <atomic>
#include <cstdint>

// When the link is next free, in nanoseconds of CLOCK_MONOTONIC. A request
// reserves its bytes' time from max(its start, this) on.
struct HatSaati {
  std::atomic<int64_t> bos_ns;
};

// What one process has asked of the link. A lock request is every F_SETLK,
// F_SETLKW and F_GETLK on a data file: granted, refused and unlocks alike.
struct MasaSayaclari {
  std::atomic<uint64_t> istek;             // requests of every kind
  std::atomic<uint64_t> kilit_istegi;      // of which lock requests
  std::atomic<uint64_t> reddedilen_kilit;  // lock requests refused (EAGAIN, EACCES)
  std::atomic<uint64_t> okunan_bayt;
  std::atomic<uint64_t> yazilan_bayt;
  // The longest time from a refused lock try to the end of the next lock
  // granted to this process.
  std::atomic<int64_t> en_uzun_bekleme_ns;
};

static_assert(std::atomic<int64_t>::is_always_lock_free &&
                  std::atomic<uint64_t>::is_always_lock_free,
              "shared between processes, the counters must be lock-free");

// A request's round trip when PALVO_LINK_RTT_US is not set.
inline constexpr int64_t VARSAYILAN_GECIKME_US = 250;
