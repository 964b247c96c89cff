// The three ways every operation works on a record file: the scan, the
// in-place rewrite and the append.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "platform/disk.h"
#include "store/records.h"

// An open file that closes itself however the operation that opened it ends.
class Dosya {
 public:
  Dosya() = default;
  explicit Dosya(FILE* f) : f_(f) {}
  ~Dosya() { kapat(); }
  Dosya(const Dosya&) = delete;
  Dosya& operator=(const Dosya&) = delete;
  Dosya(Dosya&& d) noexcept : f_(d.f_) { d.f_ = nullptr; }
  Dosya& operator=(Dosya&& d) noexcept {
    if (this != &d) {
      kapat();
      f_ = d.f_;
      d.f_ = nullptr;
    }
    return *this;
  }

  FILE* akis() const { return f_; }
  explicit operator bool() const { return f_ != nullptr; }
  // Closes the file; false when the last buffered data could not be written.
  bool kapat() {
    if (f_ == nullptr) return true;
    bool tamam = std::fclose(f_) == 0;
    f_ = nullptr;
    return tamam;
  }

 private:
  FILE* f_ = nullptr;
};

inline Dosya dosya_ac(const char* ad, AcmaKipi kip) {
  return Dosya(disk_ac(ad, kip));
}

// Reads a record file front to back in large blocks and hands out each
// complete record once, in file order, with its slot number. An incomplete
// tail and a read error both end the scan.
template <class R>
class Tarama {
 public:
  explicit Tarama(FILE* f) : f_(f) { disk_git(f_, 0); }
  Tarama(const Tarama&) = delete;
  Tarama& operator=(const Tarama&) = delete;

  bool sonraki(R& kayit) {
    if (i_ == n_) {
      if (bitti_) return false;
      n_ = std::fread(blok_, sizeof(R), kBlok, f_);
      i_ = 0;
      if (n_ < kBlok) bitti_ = true;
      if (n_ == 0) return false;
    }
    std::memcpy(&kayit, blok_ + i_ * sizeof(R), sizeof(R));
    ++i_;
    ++sira_;
    return true;
  }

  // Slot number of the record handed out last.
  int64_t sira() const { return sira_; }

 private:
  static constexpr std::size_t kBlok = (64 * 1024) / sizeof(R);
  FILE* f_;
  unsigned char blok_[kBlok * sizeof(R)];
  std::size_t n_ = 0;
  std::size_t i_ = 0;
  int64_t sira_ = -1;
  bool bitti_ = false;
};

// Scans the file from the start for the first record in use for which
// `eslesir(kayit)`, or `eslesir(kayit, sira)` with its slot, holds. Leaves it
// in `kayit` and answers its slot, or -1 when no record matches.
template <class R, class F>
int64_t ilk_kayit(FILE* f, R& kayit, F&& eslesir) {
  Tarama<R> tarama(f);
  while (tarama.sonraki(kayit)) {
    if (kayit.dolu != DOLU) continue;
    bool eslesti;
    if constexpr (std::is_invocable_v<F&, const R&, int64_t>) {
      eslesti = eslesir(static_cast<const R&>(kayit), tarama.sira());
    } else {
      eslesti = eslesir(static_cast<const R&>(kayit));
    }
    if (eslesti) return tarama.sira();
  }
  return -1;
}

// Writes one whole record over slot `sira` and waits until it is on disk.
bool kayit_degistir(FILE* f, int64_t sira, const void* kayit, std::size_t boy);

template <class R>
bool kayit_degistir(FILE* f, int64_t sira, const R& kayit) {
  return kayit_degistir(f, sira, &kayit, sizeof(R));
}

// Appends one record at the end of a file opened for appending and waits
// until it is on disk. A file whose length is not a whole number of records
// is first padded with zero bytes to the next record boundary, so that the new
// record lands in a slot of its own. A failed append cuts the file back to the
// length it had, leaving no partial record.
bool kayit_ekle(FILE* f, const void* kayit, std::size_t boy);

template <class R>
bool kayit_ekle(FILE* f, const R& kayit) {
  return kayit_ekle(f, &kayit, sizeof(R));
}
