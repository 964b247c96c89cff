// The three ways every operation works on a record file: the scan, the
// in-place rewrite and the append.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <utility>

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
  // The member is emptied before the stream is closed, so that no path
  // holds the closed stream's pointer.
  bool kapat() {
    FILE* f = std::exchange(f_, nullptr);
    return f == nullptr || std::fclose(f) == 0;
  }

 private:
  FILE* f_ = nullptr;
};

inline Dosya dosya_ac(const char* ad, AcmaKipi kip) {
  return Dosya(disk_ac(ad, kip));
}

// Size of the read block of a scan. A patient file of a million records is
// read in a few hundred reads of this size.
inline constexpr std::size_t TARAMA_BLOGU = 1024 * 1024;

// Size of the small block a scan falls back on when every large one is taken.
inline constexpr std::size_t YEDEK_BLOK = 8 * 1024;

// The read block of one scan: one of the large blocks in static storage while
// one is free, otherwise the small block the scan carries itself. The large
// blocks never live on the stack.
class TaramaBlogu {
 public:
  TaramaBlogu(unsigned char* yedek, std::size_t yedek_boyu);
  ~TaramaBlogu();
  TaramaBlogu(const TaramaBlogu&) = delete;
  TaramaBlogu& operator=(const TaramaBlogu&) = delete;

  unsigned char* veri() const { return veri_; }
  std::size_t boyut() const { return boyut_; }

 private:
  int no_;  // which large block, or -1 for the small one
  unsigned char* veri_;
  std::size_t boyut_;
};

// Reads a record file front to back in large blocks and hands out each
// complete record once, in file order, with its slot number. A record is
// looked at where it lies in the block; only one that an operation keeps is
// copied out. An incomplete tail and a read error both end the scan; hata()
// tells the two apart. A
// rewrite through the same stream moves its position, so a scan is not
// continued after one.
template <class R>
class Tarama {
 public:
  explicit Tarama(FILE* f)
      : f_(f), blok_(yedek_, sizeof yedek_), kapasite_(blok_.boyut() / sizeof(R)) {
    disk_git(f_, 0);
  }
  Tarama(const Tarama&) = delete;
  Tarama& operator=(const Tarama&) = delete;

  // The next complete record, in place in the read block: valid until the
  // next call. Null at the end of the scan.
  const R* siradaki() {
    if (i_ == n_) {
      if (bitti_) return nullptr;
      n_ = std::fread(blok_.veri(), sizeof(R), kapasite_, f_);
      i_ = 0;
      if (n_ < kapasite_) bitti_ = true;
      if (n_ < kapasite_ && std::ferror(f_)) hata_ = true;
      if (n_ == 0) return nullptr;
    }
    const R* kayit = reinterpret_cast<const R*>(blok_.veri() + i_ * sizeof(R));
    ++i_;
    ++sira_;
    return kayit;
  }

  // The next complete record, copied into `kayit`. False at the end.
  bool sonraki(R& kayit) {
    const R* k = siradaki();
    if (k == nullptr) return false;
    std::memcpy(&kayit, k, sizeof(R));
    return true;
  }

  // Slot number of the record handed out last.
  int64_t sira() const { return sira_; }

  // True when a read error, not the end of the file, ended the scan: what
  // was handed out is then not the whole file.
  bool hata() const { return hata_; }

 private:
  static_assert(alignof(R) <= 8 && sizeof(R) % alignof(R) == 0);
  static_assert(sizeof(R) <= YEDEK_BLOK);

  FILE* f_;
  alignas(8) unsigned char yedek_[YEDEK_BLOK];
  TaramaBlogu blok_;
  std::size_t kapasite_;  // whole records the block holds
  std::size_t n_ = 0;
  std::size_t i_ = 0;
  int64_t sira_ = -1;
  bool bitti_ = false;
  bool hata_ = false;
};

// What a search answers when a read error, not the end of the file, ended
// its scan before a match: "not found" would then be a guess.
inline constexpr int OKUMA_HATASI = -2;

// Scans the file from the start for the first record in use for which
// `eslesir(kayit)`, or `eslesir(kayit, sira)` with its slot, holds. Copies it
// into `kayit` and answers its slot, -1 when no record matches, or
// OKUMA_HATASI (`kayit` is then left alone). Every other record is only looked at in place.
template <class R, class F>
int64_t ilk_kayit(FILE* f, R& kayit, F&& eslesir) {
  Tarama<R> tarama(f);
  while (const R* k = tarama.siradaki()) {
    if (k->dolu != DOLU) continue;
    bool eslesti;
    if constexpr (std::is_invocable_v<F&, const R&, int64_t>) {
      eslesti = eslesir(*k, tarama.sira());
    } else {
      eslesti = eslesir(*k);
    }
    if (eslesti) {
      std::memcpy(&kayit, k, sizeof(R));
      return tarama.sira();
    }
  }
  return tarama.hata() ? OKUMA_HATASI : -1;
}

// Writes one whole record over slot `sira` and waits until it is on disk.
// When that fails, the record that stood there is written back: false always
// means the file is as it was.
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
