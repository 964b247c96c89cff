#include "patients/search.h"

#include "input/asking.h"
#include "input/limits.h"
#include "patients/card_scan.h"
#include "screen/screen.h"
#include "store/patient_match.h"
#include "store/record_file.h"
#include "store/records.h"

void hastaara() {
  basla("HASTA ARA");
  // A line that does not fit the buffer simply finds nobody; one holding a
  // control byte is asked again, like one that is too short.
  char metin[SATIR_BOYU];
  int boy = sor("Kelime (En az 2 harf): ", metin, sizeof metin,
                [](int n) { return n == SATIR_UZUN || n >= 2; });
  HastaAnahtari anahtar = hasta_anahtari(metin);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) return bitir(DOSYA_ACILAMADI);
  KartTaramasi bulunan;
  if (boy != SATIR_UZUN) {
    bulunan = kartlari_ver(dosya.akis(), ekrana, nullptr, [&](const hasta& k) {
      return hasta_eslesir(k, anahtar, Eslesme::parca);
    });
  }
  dosya.kapat();
  if (bulunan.okunamadi) return bitir(DOSYA_ACILAMADI);
  if (bulunan.sayi == 0) return bitir("Bulunamadi!");
  bitir();
}
