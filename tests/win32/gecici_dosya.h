// A fresh file, or a fresh directory, in the temporary directory, removed
// again with the object.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline void dosya_yaz(const std::string& ad, const std::string& bayt) {
  FILE* f = std::fopen(ad.c_str(), "wb");
  std::fwrite(bayt.data(), 1, bayt.size(), f);
  std::fclose(f);
}

// The whole content; "" when the file is missing.
inline std::string dosya_oku(const std::string& ad) {
  std::string s;
  FILE* f = std::fopen(ad.c_str(), "rb");
  if (f == nullptr) return s;
  char tampon[4096];
  std::size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0) s.append(tampon, n);
  std::fclose(f);
  return s;
}

class GeciciDosya {
 public:
  GeciciDosya() {
    char dizin[MAX_PATH];
    GetTempPathA(MAX_PATH, dizin);
    char ad[MAX_PATH];
    GetTempFileNameA(dizin, "plv", 0, ad);
    ad_ = ad;
  }
  ~GeciciDosya() { DeleteFileA(ad_.c_str()); }
  GeciciDosya(const GeciciDosya&) = delete;
  GeciciDosya& operator=(const GeciciDosya&) = delete;

  const char* ad() const { return ad_.c_str(); }

  void yaz(const std::string& bayt) const { dosya_yaz(ad(), bayt); }
  // The whole content; "" when the file is missing.
  std::string oku() const { return dosya_oku(ad()); }

 private:
  std::string ad_;
};

inline bool dosya_var(const std::string& ad) {
  return GetFileAttributesA(ad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A fresh directory, with its files, for a program to work in.
class GeciciDizin {
 public:
  GeciciDizin() {
    DeleteFileA(dosya_.ad());
    CreateDirectoryA(dosya_.ad(), nullptr);
  }
  ~GeciciDizin() {
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA(yol("*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA(yol(d.cFileName).c_str());
      } while (FindNextFileA(h, &d));
      FindClose(h);
    }
    RemoveDirectoryA(dosya_.ad());
  }
  GeciciDizin(const GeciciDizin&) = delete;
  GeciciDizin& operator=(const GeciciDizin&) = delete;

  const char* ad() const { return dosya_.ad(); }
  std::string yol(const std::string& dosya) const { return std::string(ad()) + "\\" + dosya; }

 private:
  GeciciDosya dosya_;
};
