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
#include "store/locks.h"
#include "store/record_merge.h"
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
// complete record once, in file order, with its slot number, from slot `ilk`
// on. A record is looked at where it lies in the block; only one that an
// operation keeps is copied out. Each block is read under its lock
// (BlokKilidi), so no record that another desk is writing is ever read half
// written; a lock not had in time ends the scan as a read error does. An
// incomplete tail and a read error both end the scan; hata() tells the two
// apart, and kilitsiz() a lock from a read error. A rewrite through the same
// stream moves its position, so a scan is not continued after one.
template <class R>
class Tarama {
 public:
  explicit Tarama(FILE* f, int64_t ilk = 0)
      : f_(f), blok_(yedek_, sizeof yedek_), kapasite_(blok_.boyut() / sizeof(R)), sira_(ilk - 1) {
    disk_git(f_, ilk * static_cast<int64_t>(sizeof(R)));
  }
  Tarama(const Tarama&) = delete;
  Tarama& operator=(const Tarama&) = delete;

  // The next complete record, in place in the read block: valid until the
  // next call. Null at the end of the scan.
  const R* siradaki() {
    if (i_ == n_) {
      if (bitti_) return nullptr;
      i_ = 0;
      BlokKilidi kilit(f_, bekleyeni_gec_);
      n_ = kilit ? std::fread(blok_.veri(), sizeof(R), kapasite_, f_) : 0;
      if (n_ < kapasite_) bitti_ = true;
      if (!kilit) kilitsiz_ = true;
      if (n_ < kapasite_ && (!kilit || std::ferror(f_))) hata_ = true;
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

  // True when that error was a block's lock not had in time, or refused.
  bool kilitsiz() const { return kilitsiz_; }

 private:
  static_assert(alignof(R) <= 8 && sizeof(R) % alignof(R) == 0);
  static_assert(sizeof(R) <= YEDEK_BLOK);

  FILE* f_;
  alignas(8) unsigned char yedek_[YEDEK_BLOK];
  TaramaBlogu blok_;
  std::size_t kapasite_;  // whole records the block holds
  std::size_t n_ = 0;
  std::size_t i_ = 0;
  int64_t sira_;
  bool bitti_ = false;
  bool hata_ = false;
  bool kilitsiz_ = false;
  bool bekleyeni_gec_ = true;  // the scan still passes the pending byte
};

// What a search answers when a read error, not the end of the file, ended
// its scan before a match: "not found" would then be a guess.
inline constexpr int OKUMA_HATASI = -2;

// What a check made for a write answers when a block's lock was not had: the
// write is then refused as for any lock it could not have.
inline constexpr int KILITSIZ = -3;

// Hands out the records of `tarama` until the first record in use for
// which `eslesir(kayit)`, or `eslesir(kayit, sira)` with its slot, holds, and
// copies it into `kayit` unless that is null. Answers its slot, -1 when no
// record matches, OKUMA_HATASI when a read error ended the scan first, or
// KILITSIZ when a block's lock did.
template <class R, class F>
int64_t ilk_eslesen(Tarama<R>& tarama, R* kayit, F&& eslesir) {
  while (const R* k = tarama.siradaki()) {
    if (k->dolu != DOLU) continue;
    bool eslesti;
    if constexpr (std::is_invocable_v<F&, const R&, int64_t>) {
      eslesti = eslesir(*k, tarama.sira());
    } else {
      eslesti = eslesir(*k);
    }
    if (eslesti) {
      if (kayit != nullptr) std::memcpy(kayit, k, sizeof(R));
      return tarama.sira();
    }
  }
  if (tarama.kilitsiz()) return KILITSIZ;
  return tarama.hata() ? OKUMA_HATASI : -1;
}

// Scans the file from the start for the first record in use for which
// `eslesir` holds, as ilk_eslesen does. Copies it into `kayit` and answers
// its slot, -1 when no record matches, or OKUMA_HATASI (`kayit` is then left
// alone) when a read error or a block's lock ended the scan first. Every
// other record is only looked at in place.
template <class R, class F>
int64_t ilk_kayit(FILE* f, R& kayit, F&& eslesir) {
  Tarama<R> tarama(f);
  int64_t sira = ilk_eslesen(tarama, &kayit, eslesir);
  return sira == KILITSIZ ? OKUMA_HATASI : sira;
}

// Whether a record in use from slot `ilk` on holds for `eslesir` (as the
// check of a number before a write asks): 1 when one does, 0 when none does,
// OKUMA_HATASI or KILITSIZ when the scan ended early.
template <class R, class F>
int eslesen_var(FILE* f, F&& eslesir, int64_t ilk = 0) {
  Tarama<R> tarama(f, ilk);
  int64_t sira = ilk_eslesen(tarama, static_cast<R*>(nullptr), eslesir);
  return sira >= 0 ? 1 : sira == -1 ? 0 : static_cast<int>(sira);
}

// What a record write came to. A write that fails undoes what it changed
// (an append is cut back, a rewrite gets the old record back); only when
// that undo fails too is the outcome not known.
enum class Yazim {
  yazildi,     // on disk
  yazilamadi,  // nothing changed: the lock was not had in time, the slot
               // changed since it was read, or the disk failed and what the
               // write changed was undone
  belirsiz,    // the disk failed and so did the undo: the record may be in
               // the file, whole or torn
  engellendi,  // the check made under the lock ruled the write out
  okunamadi    // a read error ended that check
};

// Reads slot `sira` as it stands into `kayit`, through the stream that holds
// the writers' lock (it keeps no buffer, so the bytes come from the file).
bool slot_oku(FILE* f, int64_t sira, void* kayit, std::size_t boy);

// Writes `yeni` over slot `sira`, which holds `eski`, and waits until it is
// on disk; termination signals wait meanwhile. A write that does not reach
// the disk whole is undone by writing `eski` back. Raw: the caller holds the
// writers' lock and has decided what to write.
Yazim slota_yaz(FILE* f, int64_t sira, const void* yeni, const void* eski, std::size_t boy);

// What a write comes to when the check made for it answers `e`, not 0: 1
// rules it out, OKUMA_HATASI is a read error, KILITSIZ a lock not had.
inline Yazim engel_sonucu(int e) {
  if (e == OKUMA_HATASI) return Yazim::okunamadi;
  return e == KILITSIZ ? Yazim::yazilamadi : Yazim::engellendi;
}

// Makes an operation's change to the record in slot `sira`, under the
// writers' lock: `okunan` is the record as the operation read it, `yeni` as
// it would write it over that, and `d` what the merge must know besides. The
// change is merged into the slot as it stands (store/record_merge.h); a slot
// that still holds `okunan` gets `yeni` unchanged. The check `engel(f,
// simdi)`, made under the same lock on the same stream with the slot as it
// stands (after the slot was found to hold the same record in use), answers
// 1 to rule the write out, 0 to let it go on, or OKUMA_HATASI or KILITSIZ
// (engel_sonucu). Every rewrite an operation makes passes through here.
template <class R, class Engel>
Yazim kayit_guncelle(FILE* f, int64_t sira, const R& okunan, const R& yeni, const Degisiklik& d,
                     Engel&& engel) {
  Sabir sabir(KILIT_BEKLEMESI);
  YazmaKilidi kilit(f, sabir);
  if (!kilit) return Yazim::yazilamadi;
  R simdi;
  R sonuc;
  if (!slot_oku(f, sira, &simdi, sizeof(R))) return Yazim::yazilamadi;
  Birlesim b = birlestir(okunan, yeni, simdi, d, sonuc);
  if (b == Birlesim::baskasi) return Yazim::yazilamadi;
  if (int e = engel(f, simdi); e != 0) return engel_sonucu(e);
  if (b != Birlesim::birlesti) return Yazim::yazilamadi;
  return slota_yaz(f, sira, &sonuc, &simdi, sizeof(R));
}

template <class R>
Yazim kayit_guncelle(FILE* f, int64_t sira, const R& okunan, const R& yeni, const Degisiklik& d) {
  return kayit_guncelle(f, sira, okunan, yeni, d, [](FILE*, const R&) { return 0; });
}

// Appends one record at the end of the file `ad`, open as `f` for appending,
// and waits until it is on disk. A file whose length is not a whole number of
// records is first padded with zero bytes to the next record boundary, so
// that the new record lands in a slot of its own. The first record of an
// empty file waits for the file's name to be on disk as well. A failed append
// cuts the file back to the length it had, leaving no partial record.
Yazim kayit_ekle(FILE* f, const char* ad, const void* kayit, std::size_t boy);

template <class R>
Yazim kayit_ekle(FILE* f, const char* ad, const R& kayit) {
  return kayit_ekle(f, ad, &kayit, sizeof(R));
}

// Makes the write `yaz(f)` under the writers' lock of `f`, after the check
// `engel(f)` made under the same lock through the same stream (0 lets the
// write go on; otherwise engel_sonucu). `yaz` answers a Yazim. The lock is
// let go before this returns, so the caller may then wait for the clerk.
template <class Engel, class Yaz>
Yazim kilit_altinda(FILE* f, Engel&& engel, Yaz&& yaz) {
  Sabir sabir(KILIT_BEKLEMESI);
  YazmaKilidi kilit(f, sabir);
  if (!kilit) return Yazim::yazilamadi;
  if (int e = engel(f); e != 0) return engel_sonucu(e);
  return yaz(f);
}

// A write that can give a record a number, under the file's numbers byte
// (waited for up to NUMARA_BEKLEMESI): the check that no record in use holds
// the number (`esles`), over the whole file as any scan reads it, block by
// block; then `yaz(f, ilk)`, which takes the writers' lock and checks again
// from slot `ilk` on: the records appended since the check began, from the
// record boundary at or below the length the check saw.
template <class R, class Esles, class Yaz>
Yazim numara_altinda(FILE* f, Esles&& esles, Yaz&& yaz) {
  Sabir sabir(NUMARA_BEKLEMESI);
  Kilit numara(f, NUMARA_KONUMU, KilitTuru::yazma, sabir);
  if (!numara) return Yazim::yazilamadi;
  int64_t boy = disk_boy(f);
  if (boy < 0) return Yazim::okunamadi;
  if (int e = eslesen_var<R>(f, esles); e != 0) return engel_sonucu(e);
  return yaz(f, boy / static_cast<int64_t>(sizeof(R)));
}

// Appends `kayit` to the file `ad` as kayit_ekle does, unless a record in
// use holds its number (`esles`), checked as numara_altinda checks.
template <class R, class Esles>
Yazim numarali_ekle(FILE* f, const char* ad, const R& kayit, Esles&& esles) {
  return numara_altinda<R>(f, esles, [&](FILE* g, int64_t ilk) {
    return kilit_altinda(
        g, [&](FILE* h) { return eslesen_var<R>(h, esles, ilk); },
        [&](FILE* h) { return kayit_ekle(h, ad, kayit); });
  });
}

// Makes the change to slot `sira` of `f` as kayit_guncelle does, then
// appends `ek` to the file `ad`, open as `e` for appending, as kayit_ekle
// does; both under both writers' locks, the append's file's taken first.
// `yazildi` when both are on disk; `yazilamadi` when neither file changed:
// an append that failed cleanly has the slot put back as it stood before the
// rewrite (with whatever another desk had merged into it). `belirsiz` when a
// failure could not be undone: a rewrite whose undo failed may stand whole or
// torn, with no append; an append whose undo failed, or whose put-back
// failed, leaves the rewrite standing beside at most one record of the
// append, whole, torn or missing. Both locks are let go before this returns,
// and termination signals wait from the rewrite until the append or the
// put-back has ended.
Yazim degistir_ve_ekle(FILE* f, int64_t sira, const void* yeni, const void* eski, std::size_t boy,
                       FILE* e, const char* ad, const void* ek, std::size_t ek_boy);

template <class R, class E>
Yazim degistir_ve_ekle(FILE* f, int64_t sira, const R& okunan, const R& yeni, const Degisiklik& d,
                       FILE* e, const char* ad, const E& ek) {
  Sabir sabir(KILIT_BEKLEMESI);
  YazmaKilidi ek_kilidi(e, sabir);
  if (!ek_kilidi) return Yazim::yazilamadi;
  YazmaKilidi kilit(f, sabir);
  if (!kilit) return Yazim::yazilamadi;
  R simdi;
  R sonuc;
  if (!slot_oku(f, sira, &simdi, sizeof(R))) return Yazim::yazilamadi;
  if (birlestir(okunan, yeni, simdi, d, sonuc) != Birlesim::birlesti) return Yazim::yazilamadi;
  return degistir_ve_ekle(f, sira, &sonuc, &simdi, sizeof(R), e, ad, &ek, sizeof(E));
}
