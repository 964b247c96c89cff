#include "store/lookup.h"

#include <cstring>

#include "input/letter_case.h"
#include "input/limits.h"
#include "input/validators.h"
#include "patients/card.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/record_file.h"

bool BulunanHasta::geri_yaz() {
  if (kayit_degistir(dosya, sira, kayit)) return true;
  yaz("Kayit Yazilamadi!");
  bitir();
  return false;
}

Bulma hastabul_cagir(bool (*cagir)(void* adim, BulunanHasta& bulunan), void* adim) {
  char metin[SATIR_BOYU];
  // A line that does not fit, or holds control bytes, is kept as a text no
  // patient can match.
  bool gecerli = istem_oku("TC Kimlik veya Isim: ", metin, sizeof metin) >= 0;
  int sayi = kontrolno(metin);
  if (!sayi) kucult(metin);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    bitir();
    return Bulma::bitti;
  }
  if (gecerli) {
    Tarama<hasta> tarama(dosya.akis());
    BulunanHasta bulunan;
    while (tarama.sonraki(bulunan.kayit)) {
      const hasta& k = bulunan.kayit;
      if (k.dolu != DOLU) continue;
      bool eslesti;
      if (sayi) {
        eslesti = alan_esit(k.tckimlik, metin);
      } else {
        char yedek[sizeof k.isim + 1];
        std::memcpy(yedek, k.isim, alan_boyu(k.isim));
        yedek[alan_boyu(k.isim)] = '\0';
        kucult(yedek);
        eslesti = std::strcmp(yedek, metin) == 0;
      }
      if (!eslesti) continue;
      bulunan.dosya = dosya.akis();
      bulunan.sira = tarama.sira();
      goster(bulunan.kayit);
      return cagir(adim, bulunan) ? Bulma::bulundu : Bulma::bitti;
    }
  }
  dosya.kapat();
  yaz("Bulunamadi!");
  bitir();
  return Bulma::bitti;
}
