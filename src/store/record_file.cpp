#include "store/record_file.h"

#include "platform/signals.h"
#include "store/records.h"

namespace {

// The operations run one scan at a time; one that opens a scan while another
// is still open reads through its own small block.
constexpr int BUYUK_BLOK_SAYISI = 1;
alignas(8) unsigned char buyuk_bloklar[BUYUK_BLOK_SAYISI][TARAMA_BLOGU];
bool blok_dolu[BUYUK_BLOK_SAYISI];

}  // namespace

TaramaBlogu::TaramaBlogu(unsigned char* yedek, std::size_t yedek_boyu)
    : no_(-1), veri_(yedek), boyut_(yedek_boyu) {
  for (int i = 0; i < BUYUK_BLOK_SAYISI; ++i) {
    if (blok_dolu[i]) continue;
    blok_dolu[i] = true;
    no_ = i;
    veri_ = buyuk_bloklar[i];
    boyut_ = TARAMA_BLOGU;
    return;
  }
}

TaramaBlogu::~TaramaBlogu() {
  if (no_ >= 0) blok_dolu[no_] = false;
}

bool slot_oku(FILE* f, int64_t sira, void* kayit, std::size_t boy) {
  return disk_git(f, sira * static_cast<int64_t>(boy)) && std::fread(kayit, boy, 1, f) == 1;
}

Yazim slota_yaz(FILE* f, int64_t sira, const void* yeni, const void* eski, std::size_t boy) {
  YazmaKorumasi koruma;
  int64_t konum = sira * static_cast<int64_t>(boy);
  if (!disk_git(f, konum)) return Yazim::yazilamadi;
  std::size_t yazilan = std::fwrite(yeni, 1, boy, f);
  if (yazilan == boy && disk_esitle(f)) return Yazim::yazildi;
  std::clearerr(f);
  if (yazilan == 0) return Yazim::yazilamadi;
  // Written the same way as the new record, the old one reaches at least
  // every byte that the failed write changed (a full disk stops both at the
  // same byte).
  bool geri = disk_git(f, konum) && std::fwrite(eski, 1, boy, f) >= yazilan;
  std::clearerr(f);
  return geri && disk_esitle(f) ? Yazim::yazilamadi : Yazim::belirsiz;
}

Yazim kayit_ekle(FILE* f, const char* ad, const void* kayit, std::size_t boy) {
  if (boy > EN_UZUN_KAYIT) return Yazim::yazilamadi;
  // Only under the lock can an incomplete tail be told from another desk's
  // append that is still being written.
  Sabir sabir(KILIT_BEKLEMESI);
  YazmaKilidi kilit(f, sabir);
  if (!kilit) return Yazim::yazilamadi;
  YazmaKorumasi koruma;
  int64_t eski_boy = disk_boy(f);
  if (eski_boy < 0) return Yazim::yazilamadi;
  std::size_t kuyruk = static_cast<std::size_t>(eski_boy % static_cast<int64_t>(boy));
  std::size_t dolgu = (boy - kuyruk) % boy;
  // Padding and record leave in one write: less than one record of padding,
  // then the record.
  unsigned char parca[2 * EN_UZUN_KAYIT];
  std::size_t bas = 0;
  int64_t kesim = eski_boy;
  unsigned char eski_kuyruk[EN_UZUN_KAYIT];
  if (kuyruk > 0) {
    // An incomplete tail is most often the first part of a record whose
    // append was cut off (a kill can stop a write at a page boundary). Padded
    // as it is, it would become a slot in use holding half a record; such a
    // tail goes out again with its first byte cleared, so its slot is free.
    if (!disk_git(f, eski_boy - static_cast<int64_t>(kuyruk)) ||
        std::fread(eski_kuyruk, 1, kuyruk, f) != kuyruk) {
      return Yazim::yazilamadi;
    }
    int32_t dolu = 0;
    std::memcpy(&dolu, eski_kuyruk, kuyruk < sizeof dolu ? kuyruk : sizeof dolu);
    if (dolu == DOLU) {
      std::memcpy(parca, eski_kuyruk, kuyruk);
      parca[0] = 0;
      bas = kuyruk;
      kesim = eski_boy - static_cast<int64_t>(kuyruk);
      if (!disk_kes(f, kesim)) return Yazim::yazilamadi;
    }
  }
  std::memset(parca + bas, 0, dolgu);
  std::memcpy(parca + bas + dolgu, kayit, boy);
  std::size_t parca_boyu = bas + dolgu + boy;
  // A stream that was read (a check before the append) is set at the end
  // before it is written. The first record of a file also waits for the
  // file's name to be on disk: a file made a moment ago may still be lost
  // with the power.
  std::size_t yazilan = disk_git(f, kesim) ? std::fwrite(parca, 1, parca_boyu, f) : 0;
  if (yazilan == parca_boyu && disk_esitle(f) && (eski_boy > 0 || disk_adi_esitle(ad))) {
    return Yazim::yazildi;
  }
  std::clearerr(f);
  if (yazilan == 0 && kesim == eski_boy) return Yazim::yazilamadi;
  // Cut back to the old length, and that length on disk too; a tail that was
  // taken off goes back as it was.
  bool geri = disk_kes(f, kesim);
  if (geri && kesim != eski_boy) {
    geri = disk_git(f, kesim) && std::fwrite(eski_kuyruk, 1, kuyruk, f) == kuyruk;
    std::clearerr(f);
  }
  return geri && disk_esitle(f) ? Yazim::yazilamadi : Yazim::belirsiz;
}

Yazim degistir_ve_ekle(FILE* f, int64_t sira, const void* yeni, const void* eski, std::size_t boy,
                       FILE* e, const char* ad, const void* ek, std::size_t ek_boy) {
  // One guard over both writes, so that Ctrl+C between them waits for the
  // second or for the put-back.
  YazmaKorumasi koruma;
  Yazim y = slota_yaz(f, sira, yeni, eski, boy);
  if (y != Yazim::yazildi) return y;
  // An append that could not be undone leaves the rewrite standing: put
  // back beside an archive record that may be there, it would let a retry
  // archive the same visit twice.
  y = kayit_ekle(e, ad, ek, ek_boy);
  if (y != Yazim::yazilamadi) return y;
  return slota_yaz(f, sira, eski, yeni, boy) == Yazim::yazildi ? Yazim::yazilamadi
                                                               : Yazim::belirsiz;
}
