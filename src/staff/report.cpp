#include "staff/report.h"

#include <cstdio>

#include "patients/card_block.h"
#include "patients/listing.h"
#include "screen/screen.h"
#include "store/record_file.h"
#include "store/records.h"

void hrapor() {
  int i = 0;
  basla("HASTA LISTELEME");
  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    // The report is not touched, so an earlier one stays as it was.
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  // A text stream: each line break is stored as the platform's line end. A
  // report path that leads to the patient file itself (a link) would empty
  // it, so it counts as a report that cannot be created.
  Dosya rapor;
  if (!disk_ayni(RAPOR_DOSYASI, dosya.akis()))
    rapor = dosya_ac(RAPOR_DOSYASI, AcmaKipi::yeni_metin);
  if (!rapor) {
    dosya.kapat();
    yaz("Dosya Olusturulamadi!");
    return bitir();
  }
  FILE* r = rapor.akis();
  bool tamam = std::fprintf(r, LISTE_BASLIGI_BICIMI, LISTE_BASLIGI_ETIKETLERI) >= 0;
  bool okunamadi;
  {
    // The same bytes as the cards of the patient list screen.
    KartBlogu kartlar(akisa, r);
    Tarama<hasta> tarama(dosya.akis());
    while (tamam) {
      const hasta* kayit = tarama.siradaki();
      if (kayit == nullptr) break;
      if (kayit->dolu != DOLU) continue;
      tamam = kartlar.ekle(*kayit);
      ++i;
    }
    if (tamam) tamam = kartlar.bosalt();
    okunamadi = tarama.hata();
  }
  if (tamam) tamam = std::fprintf(r, "\n(Toplam %d hasta kayitli)", i) >= 0;
  // A report that did not reach the disk whole is not a saved report.
  if (tamam) tamam = disk_esitle(r);
  if (!rapor.kapat()) tamam = false;
  dosya.kapat();
  if (okunamadi) {
    // The patient file could not be read whole: no complete report.
    yaz("Dosya Acilamadi!");
  } else if (!tamam) {
    yaz("Dosya Olusturulamadi!");
  } else if (i == 0) {
    yaz("\nKayitli Hasta Yok!");
  } else {
    yaz("\nRapor Basari ile Kaydedildi!");
  }
  return bitir();
}
