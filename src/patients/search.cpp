#include "patients/search.h"

#include "input/asking.h"
#include "input/limits.h"
#include "patients/card_block.h"
#include "screen/screen.h"
#include "store/patient_match.h"
#include "store/record_file.h"
#include "store/records.h"

void hastaara() {
  int ara = 0;
  basla("HASTA ARA");
  // A line that does not fit the buffer simply finds nobody; one holding a
  // control byte is asked again, like one that is too short.
  char metin[SATIR_BOYU];
  int boy = sor("Kelime (En az 2 harf): ", metin, sizeof metin,
                [](int n) { return n == SATIR_UZUN || n >= 2; });
  HastaAnahtari anahtar = hasta_anahtari(metin);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  bool okunamadi = false;
  if (boy != SATIR_UZUN) {
    KartBlogu kartlar(ekrana, nullptr);
    Tarama<hasta> tarama(dosya.akis());
    while (const hasta* kayit = tarama.siradaki()) {
      if (kayit->dolu != DOLU || !hasta_eslesir(*kayit, anahtar, Eslesme::parca)) continue;
      kartlar.ekle(*kayit);
      ++ara;
    }
    okunamadi = tarama.hata();
  }
  dosya.kapat();
  if (okunamadi) {
    yaz("Dosya Acilamadi!");
  } else if (ara == 0) {
    yaz("Bulunamadi!");
  }
  bitir();
}
