#include "patients/listing.h"

#include "patients/card_block.h"
#include "screen/screen.h"
#include "store/record_file.h"
#include "store/records.h"

void listele() {
  int i = 0;
  basla("HASTA LISTELEME");
  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  yaz("\n");
  yaz(LISTE_BASLIGI_BICIMI, LISTE_BASLIGI_ETIKETLERI);
  bool okunamadi;
  {
    KartBlogu kartlar(ekrana, nullptr);
    Tarama<hasta> tarama(dosya.akis());
    while (const hasta* kayit = tarama.siradaki()) {
      if (kayit->dolu != DOLU) continue;
      kartlar.ekle(*kayit);
      ++i;
    }
    okunamadi = tarama.hata();
  }
  dosya.kapat();
  // Cards up to a read error are not the whole list, so no count is given.
  if (okunamadi) {
    yaz("\nDosya Acilamadi!");
  } else if (i == 0) {
    yaz("\nKayitli Hasta Yok!");
  } else {
    yaz("\n(Toplam %d hasta kayitli)", i);
  }
  bitir();
}
