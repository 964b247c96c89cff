// A clock for the exclusive locks of the program, preloaded into it: an
// exclusive lock that F_SETLK grants on one of the lock bytes starts the
// clock of that descriptor and byte, the F_UNLCK of the same byte stops it,
// and one line goes to the end of the file that PALVO_LOCK_LOG names:
//   <file name> <byte> <ms held> <ms of that time in fdatasync or fsync of the file>
// where the byte is "data" (2^62), "pending" (2^62 + 1) or "numbers"
// (2^62 + 2). The clock runs from the return of the lock call to the unlock
// call; the line is written after the unlock, outside the time it reports.
//
//   LD_PRELOAD=build/bench/liblock_clock.so PALVO_LOCK_LOG=FILE build/palvo
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr int EN_COK_TANIMLAYICI = 256;
constexpr off_t ILK_BAYT = off_t{1} << 62;
constexpr const char* BAYT_ADLARI[] = {"data", "pending", "numbers"};
constexpr int BAYT_SAYISI = 3;

struct Saat {
  double bas = -1;  // ms when the lock was granted; below zero: not held
  double esitleme = 0;
};
Saat saatler[EN_COK_TANIMLAYICI][BAYT_SAYISI];

double simdi() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F>
F gercek(const char* ad) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, ad));
}

bool izlenen(int fd) {
  return fd >= 0 && fd < EN_COK_TANIMLAYICI;
}

void satir_yaz(int fd, int bayt, double tutulan, double esitleme) {
  const char* kutuk = std::getenv("PALVO_LOCK_LOG");
  if (kutuk == nullptr) return;
  char baglanti[32], yol[4096];
  std::snprintf(baglanti, sizeof baglanti, "/proc/self/fd/%d", fd);
  ssize_t n = readlink(baglanti, yol, sizeof yol - 1);
  yol[n > 0 ? n : 0] = '\0';
  const char* ad = std::strrchr(yol, '/');
  FILE* f = std::fopen(kutuk, "a");
  if (f == nullptr) return;
  std::fprintf(f, "%s %s %.3f %.3f\n", ad != nullptr ? ad + 1 : yol, BAYT_ADLARI[bayt], tutulan,
               esitleme);
  std::fclose(f);
}

// A sync of a descriptor whose clock runs counts into its line.
int esitle(int (*asil)(int), int fd) {
  double bas = simdi();
  int r = asil(fd);
  if (izlenen(fd)) {
    for (Saat& s : saatler[fd]) {
      if (s.bas >= 0) s.esitleme += simdi() - bas;
    }
  }
  return r;
}

}  // namespace

extern "C" int fcntl(int fd, int komut, ...) {
  using Fcntl = int (*)(int, int, ...);
  static Fcntl asil = gercek<Fcntl>("fcntl");
  va_list ap;
  va_start(ap, komut);
  void* arg = va_arg(ap, void*);
  va_end(ap);
  const auto* k = static_cast<const struct flock*>(arg);
  off_t bayt = komut == F_SETLK && izlenen(fd) && k != nullptr ? k->l_start - ILK_BAYT : -1;
  if (bayt < 0 || bayt >= BAYT_SAYISI) return asil(fd, komut, arg);
  Saat& saat = saatler[fd][bayt];
  if (k->l_type == F_UNLCK && saat.bas >= 0) {
    Saat s = saat;
    double son = simdi();
    int r = asil(fd, komut, arg);
    saat = Saat{};
    satir_yaz(fd, static_cast<int>(bayt), son - s.bas, s.esitleme);
    return r;
  }
  int r = asil(fd, komut, arg);
  if (k->l_type == F_WRLCK && r == 0) saat = Saat{simdi(), 0};
  return r;
}

extern "C" int fdatasync(int fd) {
  static auto asil = gercek<int (*)(int)>("fdatasync");
  return esitle(asil, fd);
}

extern "C" int fsync(int fd) {
  static auto asil = gercek<int (*)(int)>("fsync");
  return esitle(asil, fd);
}
