// Runs the built program as a person would at a console, but scripted: in a
// fresh temporary working directory, with a whole session fed as bytes on
// standard input, and the screen output, exit status and files handed back.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_lock.h"
#include "process.h"

// A fresh temporary directory that is removed again with the object.
class Calisma {
 public:
  Calisma();
  ~Calisma();
  Calisma(const Calisma&) = delete;
  Calisma& operator=(const Calisma&) = delete;

  const std::string& dizin() const { return dizin_; }
  std::string yol(const std::string& ad) const { return dizin_ + "/" + ad; }

  void yaz(const std::string& ad, const std::string& bayt) const;
  std::string oku(const std::string& ad) const;  // "" when missing
  bool var(const std::string& ad) const;
  long boy(const std::string& ad) const;  // -1 when missing

  // Runs the program here with `girdi` on standard input, which is closed
  // after the last byte. Waits at most `saniye` seconds. A `dosya_siniri` of
  // zero or more limits the size of every file the program writes (the
  // system's file size limit), which makes a write beyond it fail as on a
  // full disk. Under Wine (wine_altinda()) the Windows program runs, and its
  // screens are handed back with CR LF turned into LF.
  Sonuc calistir(const std::string& girdi, int saniye = 30, long dosya_siniri = -1) const;

 private:
  std::string dizin_;
};

// Another desk's lock on the data file at `yol`, held by the test's own
// process while this lives: exclusive, or shared, on the data byte (the one
// lock a desk of an earlier build takes) or on another lock byte.
class BaskaMasaKilidi {
 public:
  BaskaMasaKilidi(const std::string& yol, bool yazma, int64_t bayt = KILIT_KONUMU);
  ~BaskaMasaKilidi();
  BaskaMasaKilidi(const BaskaMasaKilidi&) = delete;
  BaskaMasaKilidi& operator=(const BaskaMasaKilidi&) = delete;

  explicit operator bool() const { return tutuluyor_; }

 private:
  int fd_;
  bool tutuluyor_ = false;
};

// Whether another process holds a lock, shared or exclusive, on a lock
// byte of the data file at `yol`, as the system's F_GETLK tells.
bool kilitli_mi(const std::string& yol, int64_t bayt = KILIT_KONUMU);

// Skips a test that needs what Windows lacks, when the sessions run under Wine.
#define WINDOWS_DISI(neden) \
  if (wine_altinda()) GTEST_SKIP() << "Windows has no " << neden

// A text file's content as the program writes it: its line ends are CR LF on
// Windows.
std::string metin_dosyasi(const std::string& satirlar);

// The bytes of one record, for writing files and comparing them.
template <class R>
std::string bayt(const R& kayit) {
  return std::string(reinterpret_cast<const char*>(&kayit), sizeof(R));
}
