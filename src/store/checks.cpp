#include "store/checks.h"

#include <cstring>

#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// The first record in use of file `ad` for which `eslesir` holds.
template <class R, class F>
int var_mi(const char* ad, F eslesir) {
  Dosya dosya = dosya_ac(ad, AcmaKipi::guncelle);
  if (!dosya) return 0;
  R kayit;
  int64_t sira = ilk_kayit(dosya.akis(), kayit, eslesir);
  if (sira == OKUMA_HATASI) return OKUMA_HATASI;
  return sira >= 0 ? 1 : 0;
}

}  // namespace

int kontroltc(const char* metin) {
  std::size_t boy = std::strlen(metin);
  return var_mi<hasta>(HASTA_DOSYASI,
                       [&](const hasta& k) { return alan_metin_esit(k.tckimlik, metin, boy); });
}

int kontrolism(const char* isim) {
  return var_mi<personel>(PERSONEL_DOSYASI,
                          [&](const personel& k) { return alan_metin_esit(k.isim, isim); });
}

int kontrolsfr(const char* isim, const char* sifre) {
  return var_mi<personel>(PERSONEL_DOSYASI, [&](const personel& k) {
    return alan_metin_esit(k.isim, isim) && alan_metin_esit(k.sifre, sifre);
  });
}
