// Bad luck on demand: a library preloaded into the program under test that
// makes the disk fail or the process die at a chosen point. It is steered by
// environment variables, which the tests set for the one program they start:
//
//   SIM_ESITLE_HATASI=k     the k-th sync (fdatasync or fsync, counted from 1)
//                           fails with EIO and syncs nothing; "k+" fails that
//                           one and every later one
//   SIM_KES_HATASI=k        the k-th ftruncate fails with EIO and cuts
//                           nothing; "k+" as above
//   SIM_YAZMA_HATASI=k      the k-th fwrite to a regular file writes only its
//   SIM_YAZMA_BAYTI=n       first n bytes (none by default) and fails with
//                           EIO; "k+": the disk stays broken, and every
//                           later fwrite to a regular file, ftruncate and
//                           sync fails as well
//   SIM_OKUMA_DOSYASI=ad    reads of the file named `ad` fail with a read error
//   SIM_OKUMA_BAYTI=n       from byte n on (the bytes before it read normally)
//   SIM_OLDUR_ESITLE=k      SIGKILL just before the k-th sync, or the
//   SIM_OLDUR_SINYALI=s     signal numbered s
//   SIM_TEK_BAYT=1          keyboard input is handed over one byte per read,
//                           as typed by hand, so that the program shows
//                           every prompt before it reads the answer
//   SIM_OLDUR_GIRDI=k       the same, and SIGKILL comes when the k-th byte
//                           is asked for
//   SIM_OLDUR_MIKRO=t       SIGKILL t microseconds after the program started
//   SIM_KOPYA_DIZINI=dizin  whenever the program asks for keyboard input,
//                           each file of the working directory that changed
//                           since is copied to dizin/<n>.<file name>
//   SIM_SAYAC_DOSYASI=ad    at the end, the number of syncs is written there
//   SIM_KILIT_HATASI=e      every request for a writers' lock (F_SETLK with
//                           F_WRLCK) fails with the error number e
//   SIM_HER_KILIT_HATASI=e  every request for a readers' or a writers' lock
//                           fails with e, as on a mount whose lock service is
//                           down
//   SIM_BIRAKINCA_BEKLE=u   every unlock (F_SETLK with F_UNLCK) is followed
//                           by a pause of u microseconds, which widens any
//                           gap in which a lock is dropped and taken again
//   SIM_KAPI=ad             a gate: once the program has been granted its
//   SIM_KAPI_SIRASI=k       k-th writers' lock (the first by default), it
//                           writes the file `ad.geldi` and waits while the
//                           file `ad` exists, holding whatever it holds
//
// Read and write errors are real ones: for the failing call the file's
// descriptor is swapped for a directory's, so the C library meets EISDIR or
// EBADF and marks the stream as in error exactly as it would on a failing
// disk.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The C library's own function that this library stands in front of.
template <class F>
F gercegi(const char* ad) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, ad));
}

ssize_t gercek_read(int fd, void* tampon, size_t n) {
  static auto gercek = gercegi<ssize_t (*)(int, void*, size_t)>("read");
  return gercek(fd, tampon, n);
}

long sayi(const char* ad, long yoksa) {
  const char* d = std::getenv(ad);
  return d != nullptr && *d != '\0' ? std::strtol(d, nullptr, 10) : yoksa;
}

long esitleme_sayaci = 0;
long kesme_sayaci = 0;
long yazma_sayaci = 0;
long girdi_sayaci = 0;

// Whether the `sira`-th call fails by the setting `ad` ("k" or "k+").
bool sirasi_gelen(const char* ad, long sira) {
  const char* d = std::getenv(ad);
  if (d == nullptr || *d == '\0') return false;
  long k = std::strtol(d, nullptr, 10);
  return sira == k || (d[std::strlen(d) - 1] == '+' && sira > k);
}

// Whether the failed fwrite of a "k+" setting has broken the disk for good.
bool disk_bozuk() {
  const char* d = std::getenv("SIM_YAZMA_HATASI");
  if (d == nullptr || *d == '\0' || d[std::strlen(d) - 1] != '+') return false;
  return yazma_sayaci >= std::strtol(d, nullptr, 10);
}

// The name of the file behind a descriptor, without its folder.
bool dosya_adi(int fd, char* ad, std::size_t boy) {
  char yol[64];
  std::snprintf(yol, sizeof yol, "/proc/self/fd/%d", fd);
  char hedef[4096];
  ssize_t n = readlink(yol, hedef, sizeof hedef - 1);
  if (n <= 0) return false;
  hedef[n] = '\0';
  const char* bolu = std::strrchr(hedef, '/');
  const char* son = bolu != nullptr ? bolu + 1 : hedef;
  std::size_t n_ad = std::strlen(son);
  if (n_ad >= boy) return false;
  std::memcpy(ad, son, n_ad + 1);
  return true;
}

// Copies every file of the working directory that changed since the last
// call to the copy folder, numbering the copies.
void kopyala() {
  const char* dizin = std::getenv("SIM_KOPYA_DIZINI");
  if (dizin == nullptr) return;
  struct Son {
    char ad[256];
    struct stat st;
  };
  static Son sonlar[16];
  static int kopya_sayaci = 0;
  DIR* d = opendir(".");
  if (d == nullptr) return;
  while (struct dirent* e = readdir(d)) {
    struct stat st;
    if (stat(e->d_name, &st) != 0 || !S_ISREG(st.st_mode) || std::strlen(e->d_name) >= 256) {
      continue;
    }
    Son* son = nullptr;
    for (Son& s : sonlar) {
      if (s.ad[0] == '\0' || std::strcmp(s.ad, e->d_name) == 0) {
        son = &s;
        break;
      }
    }
    if (son == nullptr) continue;
    if (son->ad[0] != '\0' && son->st.st_size == st.st_size &&
        son->st.st_mtim.tv_sec == st.st_mtim.tv_sec &&
        son->st.st_mtim.tv_nsec == st.st_mtim.tv_nsec) {
      continue;
    }
    std::strcpy(son->ad, e->d_name);
    son->st = st;
    char yol[4096];
    std::snprintf(yol, sizeof yol, "%s/%d.%s", dizin, ++kopya_sayaci, e->d_name);
    int kaynak = open(e->d_name, O_RDONLY | O_CLOEXEC);
    int hedef = open(yol, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    char tampon[65536];
    ssize_t n;
    while (kaynak >= 0 && hedef >= 0 && (n = gercek_read(kaynak, tampon, sizeof tampon)) > 0) {
      if (write(hedef, tampon, static_cast<std::size_t>(n)) != n) break;
    }
    if (kaynak >= 0) close(kaynak);
    if (hedef >= 0) close(hedef);
  }
  closedir(d);
}

// One sync through the C library's `gercek`: counted, and failed or turned
// into a kill as the settings say.
int esitle(int fd, int (*gercek)(int)) {
  long sira = ++esitleme_sayaci;
  if (sira == sayi("SIM_OLDUR_ESITLE", 0))
    raise(static_cast<int>(sayi("SIM_OLDUR_SINYALI", SIGKILL)));
  if (sirasi_gelen("SIM_ESITLE_HATASI", sira) || disk_bozuk()) {
    errno = EIO;
    return -1;
  }
  return gercek(fd);
}

// The gate of SIM_KAPI, at the writers' lock just granted.
void kapida_bekle() {
  static long verilen = 0;
  const char* kapi = std::getenv("SIM_KAPI");
  if (kapi == nullptr || ++verilen != sayi("SIM_KAPI_SIRASI", 1)) return;
  char geldi[4096];
  std::snprintf(geldi, sizeof geldi, "%s.geldi", kapi);
  int fd = open(geldi, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) close(fd);
  struct timespec t = {0, 1000 * 1000};
  while (access(kapi, F_OK) == 0) nanosleep(&t, nullptr);
}

// Makes the C library's own call `islem` fail on the stream's descriptor as a
// failing disk would: the descriptor is swapped for one of a directory open
// for reading, so reads meet EISDIR and writes EBADF, and the stream is
// marked as in error as on a real failure.
template <class F>
std::size_t bozuk_diskte(FILE* akis, F islem) {
  int fd = fileno(akis);
  int yedek = dup(fd);
  int dizin = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (yedek < 0 || dizin < 0) std::abort();
  dup2(dizin, fd);
  std::size_t n = islem();
  dup3(yedek, fd, O_CLOEXEC);
  close(yedek);
  close(dizin);
  return n;
}

__attribute__((constructor)) void basla() {
  long mikro = sayi("SIM_OLDUR_MIKRO", -1);
  if (mikro < 0) return;
  struct sigevent olay = {};
  olay.sigev_notify = SIGEV_SIGNAL;
  olay.sigev_signo = SIGKILL;
  timer_t zamanlayici;
  if (timer_create(CLOCK_MONOTONIC, &olay, &zamanlayici) != 0) return;
  struct itimerspec sure = {};
  sure.it_value.tv_sec = mikro / 1000000;
  sure.it_value.tv_nsec = (mikro % 1000000) * 1000;
  if (sure.it_value.tv_sec == 0 && sure.it_value.tv_nsec == 0) sure.it_value.tv_nsec = 1;
  timer_settime(zamanlayici, 0, &sure, nullptr);
}

__attribute__((destructor)) void bitir() {
  const char* ad = std::getenv("SIM_SAYAC_DOSYASI");
  if (ad == nullptr) return;
  FILE* f = std::fopen(ad, "w");
  if (f == nullptr) return;
  std::fprintf(f, "%ld\n", esitleme_sayaci);
  std::fclose(f);
}

}  // namespace

extern "C" {

// A writers' lock refused as the settings say. The third argument is a
// pointer or an int; either is passed on as the word it came in.
int fcntl(int fd, int komut, ...) {
  static auto gercek = gercegi<int (*)(int, int, ...)>("fcntl");
  va_list ap;
  va_start(ap, komut);
  void* arg = va_arg(ap, void*);
  va_end(ap);
  if (komut != F_SETLK) return gercek(fd, komut, arg);
  short tur = static_cast<struct flock*>(arg)->l_type;
  long hata = 0;
  if (tur != F_UNLCK) hata = sayi("SIM_HER_KILIT_HATASI", 0);
  if (tur == F_WRLCK && hata <= 0) hata = sayi("SIM_KILIT_HATASI", 0);
  if (hata > 0) {
    errno = static_cast<int>(hata);
    return -1;
  }
  int r = gercek(fd, komut, arg);
  long bekle = tur == F_UNLCK ? sayi("SIM_BIRAKINCA_BEKLE", 0) : 0;
  if (bekle > 0) {
    struct timespec t = {bekle / 1000000, (bekle % 1000000) * 1000};
    nanosleep(&t, nullptr);
  }
  if (r == 0 && tur == F_WRLCK) kapida_bekle();
  return r;
}

int ftruncate(int fd, off_t boy) {
  static auto gercek = gercegi<int (*)(int, off_t)>("ftruncate");
  if (sirasi_gelen("SIM_KES_HATASI", ++kesme_sayaci) || disk_bozuk()) {
    errno = EIO;
    return -1;
  }
  return gercek(fd, boy);
}

size_t fwrite(const void* tampon, size_t boy, size_t adet, FILE* akis) {
  static auto gercek = gercegi<size_t (*)(const void*, size_t, size_t, FILE*)>("fwrite");
  struct stat st;
  if (boy == 0 || fstat(fileno(akis), &st) != 0 || !S_ISREG(st.st_mode)) {
    return gercek(tampon, boy, adet, akis);
  }
  bool bozuk = disk_bozuk();
  if (!sirasi_gelen("SIM_YAZMA_HATASI", ++yazma_sayaci) && !bozuk) {
    return gercek(tampon, boy, adet, akis);
  }
  // The first bytes reach the file; the rest meets the failing disk.
  std::size_t ilk = bozuk ? 0 : static_cast<std::size_t>(sayi("SIM_YAZMA_BAYTI", 0));
  if (ilk > boy * adet) ilk = boy * adet;
  std::size_t yazilan = ilk > 0 ? gercek(tampon, 1, ilk, akis) : 0;
  const char* kalan = static_cast<const char*>(tampon) + yazilan;
  bozuk_diskte(akis, [&] { return gercek(kalan, 1, boy * adet - yazilan, akis); });
  return yazilan / boy;
}

int fdatasync(int fd) {
  static auto gercek = gercegi<int (*)(int)>("fdatasync");
  return esitle(fd, gercek);
}

int fsync(int fd) {
  static auto gercek = gercegi<int (*)(int)>("fsync");
  return esitle(fd, gercek);
}

ssize_t read(int fd, void* tampon, size_t n) {
  long oldur = sayi("SIM_OLDUR_GIRDI", 0);
  if (fd == 0) kopyala();
  if (fd == 0 && (oldur > 0 || sayi("SIM_TEK_BAYT", 0) == 1)) {
    if (++girdi_sayaci == oldur) raise(SIGKILL);
    if (n > 1) n = 1;
  }
  return gercek_read(fd, tampon, n);
}

size_t fread(void* tampon, size_t boy, size_t adet, FILE* akis) {
  static auto gercek = gercegi<size_t (*)(void*, size_t, size_t, FILE*)>("fread");
  const char* hedef = std::getenv("SIM_OKUMA_DOSYASI");
  int fd = fileno(akis);
  char ad[256];
  if (hedef == nullptr || boy == 0 || fd < 0 || !dosya_adi(fd, ad, sizeof ad) ||
      std::strcmp(ad, hedef) != 0) {
    return gercek(tampon, boy, adet, akis);
  }
  // The stream is unbuffered, so the descriptor's position is the stream's.
  off_t konum = lseek(fd, 0, SEEK_CUR);
  off_t bozuk = sayi("SIM_OKUMA_BAYTI", 0);
  if (konum < 0 || konum + static_cast<off_t>(boy * adet) <= bozuk) {
    return gercek(tampon, boy, adet, akis);
  }
  // The whole items before the bad byte read normally; the next read fails.
  size_t saglam = konum < bozuk ? static_cast<size_t>(bozuk - konum) / boy : 0;
  size_t okunan = saglam > 0 ? gercek(tampon, boy, saglam, akis) : 0;
  if (okunan < saglam) return okunan;
  return okunan + bozuk_diskte(akis, [&] {
           return gercek(static_cast<char*>(tampon) + okunan * boy, boy, adet - okunan, akis);
         });
}

}  // extern "C"
