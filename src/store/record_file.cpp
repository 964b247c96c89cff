#include "store/record_file.h"

#include "platform/signals.h"
#include "store/records.h"

bool kayit_degistir(FILE* f, int64_t sira, const void* kayit, std::size_t boy) {
  YazmaKorumasi koruma;
  if (!disk_git(f, sira * static_cast<int64_t>(boy))) return false;
  if (std::fwrite(kayit, boy, 1, f) != 1) return false;
  return disk_esitle(f);
}

bool kayit_ekle(FILE* f, const void* kayit, std::size_t boy) {
  YazmaKorumasi koruma;
  int64_t eski_boy = disk_boy(f);
  if (eski_boy < 0) return false;
  std::size_t dolgu = static_cast<std::size_t>((boy - eski_boy % boy) % boy);
  // Padding and record leave in one write: less than one record of padding,
  // then the record.
  unsigned char parca[2 * EN_UZUN_KAYIT];
  if (boy > EN_UZUN_KAYIT) return false;
  std::memset(parca, 0, dolgu);
  std::memcpy(parca + dolgu, kayit, boy);
  if (std::fwrite(parca, dolgu + boy, 1, f) == 1 && disk_esitle(f)) return true;
  disk_kes(f, eski_boy);
  return false;
}
