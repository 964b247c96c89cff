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

bool kayit_degistir(FILE* f, int64_t sira, const void* kayit, std::size_t boy) {
  YazmaKorumasi koruma;
  if (boy > EN_UZUN_KAYIT) return false;
  int64_t konum = sira * static_cast<int64_t>(boy);
  // The slot as it stands goes back in place when the new record does not
  // reach the disk whole (a short write, a full disk, a failed sync), so that
  // a failure always leaves the file as it was.
  unsigned char eski[EN_UZUN_KAYIT];
  if (!disk_git(f, konum) || std::fread(eski, boy, 1, f) != 1) return false;
  if (disk_git(f, konum) && std::fwrite(kayit, boy, 1, f) == 1 && disk_esitle(f)) return true;
  std::clearerr(f);
  if (disk_git(f, konum)) {
    // Written the same way as the new record, the old one reaches at least
    // every byte that the failed write changed.
    std::fwrite(eski, boy, 1, f);
    disk_esitle(f);
  }
  return false;
}

bool kayit_ekle(FILE* f, const void* kayit, std::size_t boy) {
  YazmaKorumasi koruma;
  if (boy > EN_UZUN_KAYIT) return false;
  int64_t eski_boy = disk_boy(f);
  if (eski_boy < 0) return false;
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
      return false;
    }
    int32_t dolu = 0;
    std::memcpy(&dolu, eski_kuyruk, kuyruk < sizeof dolu ? kuyruk : sizeof dolu);
    if (dolu == DOLU) {
      std::memcpy(parca, eski_kuyruk, kuyruk);
      parca[0] = 0;
      bas = kuyruk;
      kesim = eski_boy - static_cast<int64_t>(kuyruk);
      if (!disk_kes(f, kesim)) return false;
    }
    if (!disk_git(f, kesim)) return false;
  }
  std::memset(parca + bas, 0, dolgu);
  std::memcpy(parca + bas + dolgu, kayit, boy);
  if (std::fwrite(parca, bas + dolgu + boy, 1, f) == 1 && disk_esitle(f)) return true;
  // Cut back to the old length, and that length on disk too; a tail that was
  // taken off goes back as it was.
  if (disk_kes(f, kesim)) {
    if (kesim != eski_boy) {
      disk_git(f, kesim);
      std::fwrite(eski_kuyruk, kuyruk, 1, f);
    }
    disk_esitle(f);
  }
  return false;
}
