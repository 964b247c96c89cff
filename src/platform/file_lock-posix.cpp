#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_lock.h"

// A build whose off_t had 32 bits would put the lock at byte 0, where it
// would not meet the locks of the other desks.
static_assert(sizeof(off_t) == 8, "the lock byte needs 64-bit file offsets");

namespace {

// Record locks of the process: the system drops every one of them on a file
// as soon as any descriptor of that file is closed, so the store takes them
// through the stream that it goes on using.
KilitDenemesi kilit_koy(FILE* f, int64_t bayt, short tur) {
  struct flock k = {};
  k.l_type = tur;
  k.l_whence = SEEK_SET;
  k.l_start = static_cast<off_t>(bayt);
  k.l_len = 1;
  int r;
  do {
    r = fcntl(fileno(f), F_SETLK, &k);
  } while (r != 0 && errno == EINTR);
  if (r == 0) return KilitDenemesi::alindi;
  // Another process's lock answers EAGAIN or EACCES, as the system chooses.
  return errno == EAGAIN || errno == EACCES ? KilitDenemesi::dolu : KilitDenemesi::hata;
}

}  // namespace

KilitDenemesi kilit_dene(FILE* f, int64_t bayt, KilitTuru tur) {
  return kilit_koy(f, bayt, tur == KilitTuru::yazma ? F_WRLCK : F_RDLCK);
}

void kilit_birak(FILE* f, int64_t bayt) {
  kilit_koy(f, bayt, F_UNLCK);
}

void kilit_arasi_bekle(int ms) {
  struct timespec t = {ms / 1000, (ms % 1000) * 1000L * 1000L};
  nanosleep(&t, nullptr);
}
