// The whole program fuzzed in one process. The first byte of an input picks
// the data files a session starts on (none, valid ones, or damaged ones); the
// remaining bytes are its keyboard input. Each session runs in a fresh
// directory, and afterwards every record file that began as whole records
// must still be whole records, and no file may be left open.
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "input/keyboard.h"
#include "platform/output.h"
#include "screen/session_name.h"
#include "shell/session.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

char calisma_yolu[4096];  // the fresh directory of each session
int calisma_dizini = -1;
int ana_dizin = -1;  // where the fuzzer itself works

// Patients of the large file: more than one read block of the scan holds.
constexpr int BUYUK_DOSYA = static_cast<int>(TARAMA_BLOGU / sizeof(hasta)) + 100;

struct KayitDosyasi {
  const char* ad;
  std::size_t boy;
};
constexpr KayitDosyasi KAYIT_DOSYALARI[] = {
    {HASTA_DOSYASI, sizeof(hasta)},
    {PERSONEL_DOSYASI, sizeof(struct personel)},
    {ARSIV_DOSYASI, sizeof(arsiv)},
};

int bos_fd() {
  int fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (fd >= 0) close(fd);
  return fd;
}

// Removes every file of the working directory.
void temizle() {
  DIR* d = opendir(".");
  if (d == nullptr) std::abort();
  while (struct dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
      unlink(e->d_name);
    }
  }
  closedir(d);
}

void yaz(const char* ad, const void* veri, std::size_t boy) {
  int fd = open(ad, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || write(fd, veri, boy) != static_cast<ssize_t>(boy)) std::abort();
  close(fd);
}

template <std::size_t N>
void koy(char (&alan)[N], const char* metin) {
  std::snprintf(alan, N, "%s", metin);
}

hasta hasta_kaydi(int no, double ucret) {
  hasta k;
  std::memset(&k, 0, sizeof k);
  k.dolu = DOLU;
  std::snprintf(k.tckimlik, sizeof k.tckimlik, "%011d", 12345678 + no);
  koy(k.isim, no % 2 ? "Ali Veli" : "Ayse Kaya");
  koy(k.cinsiyet, no % 2 ? "E" : "K");
  koy(k.dogum_tarih, "01/02/1980");
  koy(k.dogum_yer, "Ankara");
  koy(k.medenihal, "Evli");
  koy(k.guvence, no % 3 ? "Yok" : "Ssk");
  koy(k.kan_grubu, "A Rh+");
  koy(k.adres, "Cad 1");
  koy(k.il, "Ankara");
  koy(k.ilce, "Cankaya");
  koy(k.telefon, "3121234567");
  if (no % 4 != 0) {
    koy(k.ziyaret.gtarih, "02/01/2024");
    koy(k.ziyaret.gsaat, "08:15");
    koy(k.ziyaret.bolum, "Dahiliye");
    koy(k.ziyaret.sikayet, "Ates");
  }
  if (no % 4 == 2) {
    koy(k.ziyaret.teshis, "Grip");
    koy(k.ziyaret.ilaclar, "Parol");
    koy(k.ziyaret.sorumlu, "Dr Can");
    koy(k.ziyaret.ctarih, "05/01/2024");
    koy(k.ziyaret.csaat, "17:40");
  }
  k.ucret = ucret;
  return k;
}

arsiv arsiv_kaydi(const hasta& k) {
  arsiv a;
  std::memset(&a, 0, sizeof a);
  a.dolu = DOLU;
  std::memcpy(a.tckimlik, k.tckimlik, sizeof a.tckimlik);
  koy(a.ziyaret.gtarih, "02/01/2024");
  koy(a.ziyaret.teshis, "Grip");
  a.ucret = 12.5;
  return a;
}

struct personel hesap(const char* isim, const char* sifre) {
  struct personel p;
  std::memset(&p, 0, sizeof p);
  p.dolu = DOLU;
  koy(p.isim, isim);
  koy(p.sifre, sifre);
  return p;
}

// Writes `n` records made by `kayit(i)` to `ad`, then `kuyruk` bytes of one
// more.
template <class R, class F>
void dosya(const char* ad, int n, F kayit, std::size_t kuyruk = 0) {
  static R kayitlar[BUYUK_DOSYA + 1];
  for (int i = 0; i < n; ++i) kayitlar[i] = kayit(i);
  if (kuyruk > 0) kayitlar[n] = kayit(n);
  yaz(ad, kayitlar, n * sizeof(R) + kuyruk);
}

void gecerli(int hasta_sayisi, std::size_t kuyruk) {
  dosya<hasta>(
      HASTA_DOSYASI, hasta_sayisi, [](int i) { return hasta_kaydi(i, i * 10.25); }, kuyruk);
  dosya<arsiv>(
      ARSIV_DOSYASI, 3, [](int i) { return arsiv_kaydi(hasta_kaydi(i, 0)); },
      kuyruk % sizeof(arsiv));
  dosya<struct personel>(
      PERSONEL_DOSYASI, 2, [](int i) { return i ? hesap("veli", "gizli") : hesap("ali", "a1"); },
      kuyruk % sizeof(struct personel));
}

// Lays out the data files a session starts on. Half the choices give the
// small valid files; the large file, slow to scan and list, is one in 16.
void dosyalari_kur(uint8_t secim) {
  switch (secim % 16) {
    case 0:  // a first start: no files
      break;
    default:
      gecerli(4, 0);
      break;
    case 2: {  // random bytes of odd lengths
      std::minstd_rand r(secim);
      static unsigned char bayt[4096];
      for (unsigned char& b : bayt) b = static_cast<unsigned char>(r());
      yaz(HASTA_DOSYASI, bayt, 1000 + secim);
      yaz(PERSONEL_DOSYASI, bayt + 1200, 100);
      yaz(ARSIV_DOSYASI, bayt + 2000, 500);
      break;
    }
    case 3:  // incomplete tails
      gecerli(3, 100);
      break;
    case 4: {  // records in use whose fields have no NUL anywhere
      dosya<hasta>(HASTA_DOSYASI, 3, [](int i) {
        hasta k;
        std::memset(&k, '1' + i, sizeof k);
        k.dolu = DOLU;
        return k;
      });
      dosya<struct personel>(PERSONEL_DOSYASI, 2, [](int) {
        struct personel p;
        std::memset(&p, 'n', sizeof p);
        p.dolu = DOLU;
        return p;
      });
      dosya<arsiv>(ARSIV_DOSYASI, 2, [](int) {
        arsiv a;
        std::memset(&a, '1', sizeof a);
        a.dolu = DOLU;
        return a;
      });
      break;
    }
    case 5: {  // balances that are no ordinary numbers
      static const double tuhaf[] = {
          std::numeric_limits<double>::quiet_NaN(),   std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(),   std::numeric_limits<double>::max(),
          -std::numeric_limits<double>::denorm_min(), -0.0};
      dosya<hasta>(HASTA_DOSYASI, 6, [](int i) { return hasta_kaydi(i, tuhaf[i]); });
      dosya<arsiv>(ARSIV_DOSYASI, 2, [](int i) {
        arsiv a = arsiv_kaydi(hasta_kaydi(i, 0));
        a.ucret = tuhaf[i];
        return a;
      });
      break;
    }
    case 6:  // deleted slots and values of `dolu` other than 1
      dosya<hasta>(HASTA_DOSYASI, 6, [](int i) {
        hasta k = hasta_kaydi(i % 2, 1);
        if (i % 3 == 0) std::memset(&k, 0, sizeof k);
        if (i % 3 == 1) k.dolu = i == 1 ? 2 : -1;
        return k;
      });
      dosya<struct personel>(PERSONEL_DOSYASI, 2, [](int i) {
        struct personel p = hesap("veli", "gizli");
        p.dolu = i;
        return p;
      });
      break;
    case 7:  // more patients than one read block of the scan holds
      gecerli(BUYUK_DOSYA, 0);
      break;
  }
}

bool butun(const KayitDosyasi& d) {
  struct stat st;
  return stat(d.ad, &st) != 0 || st.st_size % static_cast<off_t>(d.boy) == 0;
}

// Takes the working directory away when the fuzzer ends.
void dizini_kaldir() {
  if (fchdir(calisma_dizini) == 0) temizle();
  if (fchdir(ana_dizin) == 0) rmdir(calisma_yolu);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ana_dizin = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const char* kok = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
  std::snprintf(calisma_yolu, sizeof calisma_yolu, "%s/palvo-fuzz-XXXXXX",
                kok != nullptr ? kok : "/tmp");
  if (mkdtemp(calisma_yolu) == nullptr) std::abort();
  calisma_dizini = open(calisma_yolu, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::atexit(dizini_kaldir);
  // The screens go nowhere; only the files and the process's health count.
  int bos = open("/dev/null", O_WRONLY);
  dup2(bos, STDOUT_FILENO);
  close(bos);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, std::size_t boy) {
  if (boy == 0) return 0;
  if (fchdir(calisma_dizini) != 0) std::abort();
  temizle();
  dosyalari_kur(veri[0]);
  bool once_butun[3];
  for (int i = 0; i < 3; ++i) once_butun[i] = butun(KAYIT_DOSYALARI[i]);

  int girdi = memfd_create("girdi", MFD_CLOEXEC);
  if (girdi < 0 || write(girdi, veri + 1, boy - 1) != static_cast<ssize_t>(boy - 1) ||
      lseek(girdi, 0, SEEK_SET) != 0 || dup2(girdi, STDIN_FILENO) != STDIN_FILENO) {
    std::abort();
  }
  close(girdi);
  // The lowest free descriptor now and after the session: every file the
  // session opened must have been closed again.
  const int ilk_bos_fd = bos_fd();
  klavye_sifirla();
  oturum_kapat();
  oturum_calistir();
  ekran_bosalt();

  for (int i = 0; i < 3; ++i) {
    if (once_butun[i] && !butun(KAYIT_DOSYALARI[i])) {
      std::fprintf(stderr, "%s is no longer whole records\n", KAYIT_DOSYALARI[i].ad);
      std::abort();
    }
  }
  if (bos_fd() != ilk_bos_fd) {
    std::fprintf(stderr, "a file was left open\n");
    std::abort();
  }
  if (fchdir(ana_dizin) != 0) std::abort();
  return 0;
}
