// A network link between a desk and its data folder, emulated inside the
// program: preloaded into each desk, it turns every call on a data file into
// a request on one link that all desks share, as if the folder were on a
// file server. A request's bytes take bytes / speed of the link's time,
// starting when the link is free; its round trip comes on top and overlaps
// other desks' requests. The real call is made first; then the caller sleeps
// until its request would have been answered:
//
//   t0 = now; the real call;
//   start = max(t0, link free); link free = start + bytes / speed  (atomic)
//   sleep until start + bytes / speed + round trip
//
// A request is each fread, fwrite, fdatasync, fsync, ftruncate, open, stat,
// fstat, close and fclose of a data file (palvo.hasta.dat, palvo.per.dat,
// palvo.arsiv.dat, palvo.rapor.txt), the open and sync of the folder itself
// ("."), and each F_SETLK, F_SETLKW and F_GETLK on a data file, whatever its
// byte: a share answers every lock request, unlocks too, over the network.
// Only the bytes that a read or a write moves take link time; the requests'
// own headers do not. Seeks are the client's own and cost nothing. The C
// library's calls inside stdio (the read behind a buffered stream, the close
// inside fclose) cannot be preloaded; the program's record streams keep no
// buffer, so each fread and fwrite there is one read or write.
//
// The clock and the counters live in the files that shared_link.h names.
//
//   LD_PRELOAD=libshared_link.so PALVO_LINK_CLOCK=FILE PALVO_LINK_MBPS=30 build/palvo
#include "shared_link.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/records.h"

namespace {

constexpr int EN_COK_TANIMLAYICI = 1024;

// The descriptors open on a data file or on the data folder.
bool veri[EN_COK_TANIMLAYICI];

HatSaati* saat = nullptr;
MasaSayaclari* sayac = nullptr;
double bayt_ns = 0;  // link time of one byte
int64_t gecikme_ns = VARSAYILAN_GECIKME_US * 1000;
// When the first lock try that was refused since the last granted one began;
// below zero while none was.
int64_t bekleme_basi = -1;

template <class F>
F gercek(const char* ad) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, ad));
}

using Acma = int (*)(const char*, int, ...);
using Kapama = int (*)(int);

int64_t simdi() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

bool veri_adi(const char* yol) {
  const char* bolu = std::strrchr(yol, '/');
  const char* ad = bolu != nullptr ? bolu + 1 : yol;
  for (const char* v : {HASTA_DOSYASI, PERSONEL_DOSYASI, ARSIV_DOSYASI, RAPOR_DOSYASI}) {
    if (std::strcmp(ad, v) == 0) return true;
  }
  return false;
}

bool izlenen(int fd) {
  return fd >= 0 && fd < EN_COK_TANIMLAYICI && veri[fd];
}

void izle(int fd, bool evet) {
  if (fd >= 0 && fd < EN_COK_TANIMLAYICI) veri[fd] = evet;
}

// Maps the file named by the environment variable `ad`, grown to `boy`
// bytes; null when it is not set or cannot be mapped.
void* esle(const char* ad, std::size_t boy) {
  const char* yol = std::getenv(ad);
  if (yol == nullptr || *yol == '\0') return nullptr;
  static auto ac = gercek<Acma>("open");
  static auto kapat = gercek<Kapama>("close");
  static auto kes = gercek<int (*)(int, off_t)>("ftruncate");
  int fd = ac(yol, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat st;
  void* p = MAP_FAILED;
  if (::fstat(fd, &st) == 0 && (st.st_size >= static_cast<off_t>(boy) || kes(fd, boy) == 0)) {
    p = mmap(nullptr, boy, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  }
  kapat(fd);
  return p == MAP_FAILED ? nullptr : p;
}

__attribute__((constructor)) void basla() {
  const char* hiz = std::getenv("PALVO_LINK_MBPS");
  double mbps = hiz != nullptr ? std::strtod(hiz, nullptr) : 0;
  if (mbps <= 0) return;
  bayt_ns = 1e3 / mbps;
  const char* gecikme = std::getenv("PALVO_LINK_RTT_US");
  if (gecikme != nullptr && *gecikme != '\0')
    gecikme_ns = std::strtoll(gecikme, nullptr, 10) * 1000;
  saat = static_cast<HatSaati*>(esle("PALVO_LINK_CLOCK", sizeof(HatSaati)));
  sayac = static_cast<MasaSayaclari*>(esle("PALVO_LINK_COUNTERS", sizeof(MasaSayaclari)));
}

// One request that began at `t0` and moved `bayt` bytes, its real call made:
// reserves its time on the link and sleeps until its answer. Keeps errno.
void istek(int64_t t0, std::size_t bayt) {
  if (saat == nullptr) return;
  int hata = errno;
  auto sure = static_cast<int64_t>(static_cast<double>(bayt) * bayt_ns);
  int64_t bos = saat->bos_ns.load();
  int64_t bas;
  do {
    bas = bos > t0 ? bos : t0;
  } while (!saat->bos_ns.compare_exchange_weak(bos, bas + sure));
  int64_t son = bas + sure + gecikme_ns;
  timespec t = {son / 1000000000, son % 1000000000};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
  }
  if (sayac != nullptr) sayac->istek.fetch_add(1);
  errno = hata;
}

// A lock request answered `r` (errno `hata`) that began at `t0`, with the
// request's round trip already over: counted, and a wait for a lock opened
// by a refusal or closed by a grant.
void kilit_sonucu(int komut, short tur, int r, int hata, int64_t t0) {
  if (sayac == nullptr) return;
  sayac->kilit_istegi.fetch_add(1);
  if (komut == F_GETLK || tur == F_UNLCK) return;
  if (r != 0 && (hata == EAGAIN || hata == EACCES)) {
    sayac->reddedilen_kilit.fetch_add(1);
    if (bekleme_basi < 0) bekleme_basi = t0;
  } else if (r == 0 && bekleme_basi >= 0) {
    int64_t bekleme = simdi() - bekleme_basi;
    if (bekleme > sayac->en_uzun_bekleme_ns.load()) sayac->en_uzun_bekleme_ns.store(bekleme);
    bekleme_basi = -1;
  }
}

// Makes a call on a descriptor of the link's as one request without bytes.
template <class F>
int istekle(int fd, F cagri) {
  if (!izlenen(fd)) return cagri();
  int64_t t0 = simdi();
  int r = cagri();
  istek(t0, 0);
  return r;
}

// A read or a write of a stream on the link: one request of the bytes it
// moved, which count into the counter `sayi`.
template <class F>
size_t aktar(FILE* f, size_t boy, std::atomic<uint64_t> MasaSayaclari::*sayi, F cagri) {
  if (!izlenen(fileno(f))) return cagri();
  int64_t t0 = simdi();
  size_t n = cagri();
  if (sayac != nullptr) (sayac->*sayi).fetch_add(n * boy);
  istek(t0, n * boy);
  return n;
}

}  // namespace

extern "C" {

int open(const char* yol, int bayrak, ...) {
  static auto asil = gercek<Acma>("open");
  mode_t kip = 0;
  if (bayrak & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, bayrak);
    kip = static_cast<mode_t>(va_arg(ap, int));
    va_end(ap);
  }
  bool hatta = veri_adi(yol) || ((bayrak & O_DIRECTORY) != 0 && std::strcmp(yol, ".") == 0);
  int64_t t0 = simdi();
  int fd = asil(yol, bayrak, kip);
  if (!hatta) return fd;
  izle(fd, true);
  istek(t0, 0);
  return fd;
}

int close(int fd) {
  static auto asil = gercek<Kapama>("close");
  bool hatta = izlenen(fd);
  izle(fd, false);
  if (!hatta) return asil(fd);
  int64_t t0 = simdi();
  int r = asil(fd);
  istek(t0, 0);
  return r;
}

int fclose(FILE* f) {
  static auto asil = gercek<int (*)(FILE*)>("fclose");
  int fd = fileno(f);
  bool hatta = izlenen(fd);
  izle(fd, false);
  int64_t t0 = simdi();
  int r = asil(f);
  if (hatta) istek(t0, 0);
  return r;
}

int stat(const char* yol, struct stat* st) {
  static auto asil = gercek<int (*)(const char*, struct stat*)>("stat");
  if (!veri_adi(yol)) return asil(yol, st);
  int64_t t0 = simdi();
  int r = asil(yol, st);
  istek(t0, 0);
  return r;
}

int fstat(int fd, struct stat* st) {
  static auto asil = gercek<int (*)(int, struct stat*)>("fstat");
  return istekle(fd, [&] { return asil(fd, st); });
}

int fdatasync(int fd) {
  static auto asil = gercek<Kapama>("fdatasync");
  return istekle(fd, [&] { return asil(fd); });
}

int fsync(int fd) {
  static auto asil = gercek<Kapama>("fsync");
  return istekle(fd, [&] { return asil(fd); });
}

int ftruncate(int fd, off_t boy) {
  static auto asil = gercek<int (*)(int, off_t)>("ftruncate");
  return istekle(fd, [&] { return asil(fd, boy); });
}

size_t fread(void* tampon, size_t boy, size_t adet, FILE* f) {
  static auto asil = gercek<size_t (*)(void*, size_t, size_t, FILE*)>("fread");
  return aktar(f, boy, &MasaSayaclari::okunan_bayt, [&] { return asil(tampon, boy, adet, f); });
}

size_t fwrite(const void* tampon, size_t boy, size_t adet, FILE* f) {
  static auto asil = gercek<size_t (*)(const void*, size_t, size_t, FILE*)>("fwrite");
  return aktar(f, boy, &MasaSayaclari::yazilan_bayt, [&] { return asil(tampon, boy, adet, f); });
}

// The third argument is a pointer or an int; either is passed on as the
// word it came in.
int fcntl(int fd, int komut, ...) {
  static auto asil = gercek<int (*)(int, int, ...)>("fcntl");
  va_list ap;
  va_start(ap, komut);
  void* arg = va_arg(ap, void*);
  va_end(ap);
  bool kilit = komut == F_SETLK || komut == F_SETLKW || komut == F_GETLK;
  if (!kilit || !izlenen(fd) || arg == nullptr) return asil(fd, komut, arg);
  short tur = static_cast<struct flock*>(arg)->l_type;
  int64_t t0 = simdi();
  int r = asil(fd, komut, arg);
  int hata = errno;
  istek(t0, 0);
  kilit_sonucu(komut, tur, r, hata, t0);
  errno = hata;
  return r;
}

}  // extern "C"
