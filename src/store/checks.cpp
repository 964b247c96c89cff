#include "store/checks.h"

#include <cstring>

#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Whether a record in use of the file `ad`, opened for the check alone,
// holds for `eslesir`.
template <class R, class F>
int var_mi(const char* ad, F eslesir) {
  Dosya dosya = dosya_ac(ad, AcmaKipi::guncelle);
  if (!dosya) return 0;
  int e = eslesen_var<R>(dosya.akis(), eslesir);
  return e == KILITSIZ ? OKUMA_HATASI : e;
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

Yazim tc_ile_ekle(FILE* hastalar, const hasta& kayit) {
  return numarali_ekle(hastalar, HASTA_DOSYASI, kayit, tc_eslesir(kayit.tckimlik));
}

int kontrolism(const char* isim) {
  return var_mi<personel>(PERSONEL_DOSYASI, isim_eslesir(isim));
}

Yazim isim_ile_ekle(FILE* personeller, const personel& kayit) {
  return numarali_ekle(personeller, PERSONEL_DOSYASI, kayit, isim_eslesir(kayit.isim));
}

int kontrolsfr(const char* isim, const char* sifre) {
  return var_mi<personel>(PERSONEL_DOSYASI, [&](const personel& k) {
    return alan_metin_esit(k.isim, isim) && alan_metin_esit(k.sifre, sifre);
  });
}
