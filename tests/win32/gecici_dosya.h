// A fresh file in the temporary directory, removed again with the object.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

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

  void yaz(const std::string& bayt) const {
    FILE* f = std::fopen(ad(), "wb");
    std::fwrite(bayt.data(), 1, bayt.size(), f);
    std::fclose(f);
  }
  // The whole content; "" when the file is missing.
  std::string oku() const {
    std::string s;
    FILE* f = std::fopen(ad(), "rb");
    if (f == nullptr) return s;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0) s.append(tampon, n);
    std::fclose(f);
    return s;
  }

 private:
  std::string ad_;
};

inline bool dosya_var(const std::string& ad) {
  return GetFileAttributesA(ad.c_str()) != INVALID_FILE_ATTRIBUTES;
}
