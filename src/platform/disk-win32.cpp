#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include "platform/disk.h"

FILE* disk_ac(const char* ad, AcmaKipi kip) {
  const char* kip_metni = kip == AcmaKipi::guncelle ? "r+b" : kip == AcmaKipi::ekle ? "a+b" : "w";
  DWORD nitelik = GetFileAttributesA(ad);
  if (nitelik != INVALID_FILE_ATTRIBUTES && (nitelik & FILE_ATTRIBUTE_DIRECTORY)) return nullptr;
  // Shared for reading and writing, as fopen is elsewhere: several desks
  // work on one file at once (copies of the program on one machine, or on a
  // shared folder), and a file opened without sharing would refuse every
  // other desk's open while one holds it.
  FILE* f = nullptr;
  if (kip == AcmaKipi::yeni_metin) {
    // Made when missing, but not emptied: that waits for the report's lock.
    int fd = -1;
    if (_sopen_s(&fd, ad, _O_WRONLY | _O_CREAT | _O_TEXT, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0)
      return nullptr;
    f = _fdopen(fd, kip_metni);
    if (f == nullptr) _close(fd);
  } else {
    f = _fsopen(ad, kip_metni, _SH_DENYNO);
  }
  if (f == nullptr) return nullptr;
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
    std::fclose(f);
    return nullptr;
  }
  if (kip != AcmaKipi::yeni_metin) setvbuf(f, nullptr, _IONBF, 0);
  return f;
}

namespace {

bool bilgisi(HANDLE h, BY_HANDLE_FILE_INFORMATION& b) {
  return h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &b) != 0;
}

HANDLE tutamak(FILE* f) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
}

bool ayni(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

bool disk_ayni(const char* ad, FILE* f) {
  BY_HANDLE_FILE_INFORMATION acik, yol;
  if (!bilgisi(tutamak(f), acik)) return false;
  HANDLE y = CreateFileA(ad, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (y == INVALID_HANDLE_VALUE) return false;
  bool tamam = bilgisi(y, yol);
  CloseHandle(y);
  return tamam && ayni(yol, acik);
}

bool disk_ayni_dosya(FILE* a, FILE* b) {
  BY_HANDLE_FILE_INFORMATION ba, bb;
  return bilgisi(tutamak(a), ba) && bilgisi(tutamak(b), bb) && ayni(ba, bb);
}

bool disk_esitle(FILE* f) {
  if (std::fflush(f) != 0) return false;
  return _commit(_fileno(f)) == 0;
}

bool disk_adi_esitle(const char*) {
  return true;
}

bool disk_kes(FILE* f, int64_t boy) {
  std::fflush(f);
  return _chsize_s(_fileno(f), boy) == 0;
}

int64_t disk_boy(FILE* f) {
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

bool disk_git(FILE* f, int64_t konum) {
  return _fseeki64(f, konum, SEEK_SET) == 0;
}
