#include "patients/lookup.h"

#include "input/keyboard.h"
#include "input/limits.h"
#include "patients/card.h"
#include "screen/screen.h"
#include "store/patient_match.h"

BulunanHasta hastabul() {
  BulunanHasta bulunan;
  char metin[SATIR_BOYU];
  // A line that does not fit, or holds control bytes, is kept as a text no
  // patient can match.
  bool gecerli = istem_oku("TC Kimlik veya Isim: ", metin, sizeof metin) >= 0;
  HastaAnahtari anahtar = hasta_anahtari(metin);

  bulunan.dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!bulunan.dosya) {
    bitir(DOSYA_ACILAMADI);
    return bulunan;
  }
  if (gecerli) {
    bulunan.sira = ilk_kayit(bulunan.dosya.akis(), bulunan.kayit, [&](const hasta& k) {
      return hasta_eslesir(k, anahtar, Eslesme::tam);
    });
  }
  if (bulunan.sira >= 0) {
    bulunan.okunan = bulunan.kayit;
    goster(bulunan.kayit);
    return bulunan;
  }
  bulunan.dosya.kapat();
  // A read error leaves it open whether the patient is there.
  bitir(bulunan.sira == OKUMA_HATASI ? DOSYA_ACILAMADI : "Bulunamadi!");
  return bulunan;
}
