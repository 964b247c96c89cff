#include "patients/listing.h"

#include "patients/card_scan.h"
#include "screen/screen.h"
#include "store/record_file.h"
#include "store/records.h"

void listele() {
  basla("HASTA LISTELEME");
  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) return bitir(DOSYA_ACILAMADI);
  yaz("\n");
  yaz(LISTE_BASLIGI_BICIMI, LISTE_BASLIGI_ETIKETLERI);
  KartTaramasi liste =
      kartlari_ver(dosya.akis(), ekrana, nullptr, [](const hasta&) { return true; });
  dosya.kapat();
  // Cards up to a read error are not the whole list, so no count is given.
  yaz("\n");
  if (liste.okunamadi) return bitir(DOSYA_ACILAMADI);
  if (liste.sayi == 0) return bitir("Kayitli Hasta Yok!");
  yaz("(Toplam %d hasta kayitli)", liste.sayi);
  bitir();
}
