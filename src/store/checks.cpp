#include "store/checks.h"

#include <cstring>

#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Whether a record in use of the open file `f` holds for `eslesir`.
template <class R, class F>
int var_mi(FILE* f, F eslesir) {
  R kayit;
  int64_t sira = ilk_kayit(f, kayit, eslesir);
  if (sira == OKUMA_HATASI) return OKUMA_HATASI;
  return sira >= 0 ? 1 : 0;
}

// The same in the file `ad`, opened for the check alone.
template <class R, class F>
int var_mi(const char* ad, F eslesir) {
  Dosya dosya = dosya_ac(ad, AcmaKipi::guncelle);
  if (!dosya) return 0;
  return var_mi<R>(dosya.akis(), eslesir);
}

auto tc_eslesir(const char* metin) {
  return [metin, boy = std::strlen(metin)](const hasta& k) {
    return alan_metin_esit(k.tckimlik, metin, boy);
  };
}

auto isim_eslesir(const char* isim) {
  return [isim](const personel& k) { return alan_metin_esit(k.isim, isim); };
}

}  // namespace

int kontroltc(const char* metin) {
  return var_mi<hasta>(HASTA_DOSYASI, tc_eslesir(metin));
}

int kontroltc(FILE* hastalar, const char* metin) {
  return var_mi<hasta>(hastalar, tc_eslesir(metin));
}

int kontrolism(const char* isim) {
  return var_mi<personel>(PERSONEL_DOSYASI, isim_eslesir(isim));
}

int kontrolism(FILE* personeller, const char* isim) {
  return var_mi<personel>(personeller, isim_eslesir(isim));
}

int kontrolsfr(const char* isim, const char* sifre) {
  return var_mi<personel>(PERSONEL_DOSYASI, [&](const personel& k) {
    return alan_metin_esit(k.isim, isim) && alan_metin_esit(k.sifre, sifre);
  });
}
