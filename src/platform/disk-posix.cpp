#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/disk.h"

namespace {

// Puts the directory that holds `ad` on disk, so that a new file's name is
// kept with its content.
bool dizini_esitle(const char* ad) {
  const char* bolu = std::strrchr(ad, '/');
  char dizin[4096] = ".";
  if (bolu != nullptr) {
    std::size_t n = static_cast<std::size_t>(bolu - ad);
    if (n == 0) n = 1;
    if (n >= sizeof dizin) return false;
    std::memcpy(dizin, ad, n);
    dizin[n] = '\0';
  }
  int fd = open(dizin, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  int r;
  do {
    r = fsync(fd);
  } while (r != 0 && errno == EINTR);
  // A file system that cannot sync a directory (EINVAL) keeps names by its
  // own means.
  bool tamam = r == 0 || errno == EINVAL;
  close(fd);
  return tamam;
}

}  // namespace

FILE* disk_ac(const char* ad, AcmaKipi kip) {
  int bayrak = O_CLOEXEC | O_NONBLOCK;
  const char* kip_metni = "r+b";
  switch (kip) {
    case AcmaKipi::guncelle:
      bayrak |= O_RDWR;
      break;
    case AcmaKipi::ekle:
      bayrak |= O_RDWR | O_CREAT | O_APPEND;
      kip_metni = "a+b";
      break;
    case AcmaKipi::yeni_metin:
      bayrak |= O_WRONLY | O_CREAT;
      kip_metni = "w";
      break;
  }
  int fd;
  do {
    fd = open(ad, bayrak, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return nullptr;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* f = fdopen(fd, kip_metni);
  if (f == nullptr) {
    close(fd);
    return nullptr;
  }
  if (kip != AcmaKipi::yeni_metin) setvbuf(f, nullptr, _IONBF, 0);
  return f;
}

bool disk_ayni(const char* ad, FILE* f) {
  struct stat yol, acik;
  if (stat(ad, &yol) != 0 || fstat(fileno(f), &acik) != 0) return false;
  return yol.st_dev == acik.st_dev && yol.st_ino == acik.st_ino;
}

bool disk_ayni_dosya(FILE* a, FILE* b) {
  struct stat sa, sb;
  if (fstat(fileno(a), &sa) != 0 || fstat(fileno(b), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool disk_esitle(FILE* f) {
  if (std::fflush(f) != 0) return false;
  int r;
  do {
    r = fdatasync(fileno(f));
  } while (r != 0 && errno == EINTR);
  return r == 0;
}

bool disk_adi_esitle(const char* ad) {
  return dizini_esitle(ad);
}

bool disk_kes(FILE* f, int64_t boy) {
  std::fflush(f);
  return ftruncate(fileno(f), static_cast<off_t>(boy)) == 0;
}

int64_t disk_boy(FILE* f) {
  struct stat st;
  if (fstat(fileno(f), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

bool disk_git(FILE* f, int64_t konum) {
  return fseeko(f, static_cast<off_t>(konum), SEEK_SET) == 0;
}
