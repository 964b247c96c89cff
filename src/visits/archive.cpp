#include "visits/archive.h"

#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

void muayene() {
  basla("MUAYENE ARSIVI");
  BulunanHasta b = hastabul();
  if (!b) return;
  b.dosya.kapat();

  Dosya dosya = dosya_ac(ARSIV_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  int i = 0;
  std::size_t tc_boyu = alan_boyu(b.kayit.tckimlik);
  Tarama<arsiv> tarama(dosya.akis());
  while (const arsiv* kayit = tarama.siradaki()) {
    const arsiv& kayit2 = *kayit;
    // The whole stored field is the key, not one cut to the 11 digits that
    // registration stores: a longer number written by other means must never
    // match the examinations of another patient whose number it begins with.
    if (kayit2.dolu != DOLU || !alan_metin_esit(kayit2.tckimlik, b.kayit.tckimlik, tc_boyu))
      continue;
    ++i;
    yaz("%2d) %7s (%.*s %.*s) (Bolum: %.*s) (Sikayet: %.*s)\n", i, "Giris:", ALAN(kayit2.gtarih),
        ALAN(kayit2.gsaat), ALAN(kayit2.bolum), ALAN(kayit2.sikayet));
    yaz("%11s (%.*s %.*s) (Teshis: %.*s) (Ilaclar: %.*s)\n", "Cikis:", ALAN(kayit2.ctarih),
        ALAN(kayit2.csaat), ALAN(kayit2.teshis), ALAN(kayit2.ilaclar));
    yaz("%11s (Sorumlu: %.*s)\n", "Muayene:", ALAN(kayit2.sorumlu));
    yaz("%11s (%.2f TL)\n", "Ucret:", kayit2.ucret);
  }
  dosya.kapat();
  if (tarama.hata()) {
    yaz("Dosya Acilamadi!");
  } else if (i == 0) {
    yaz("Hastanin Arsiv Kaydi Bulunamadi!");
  }
  bitir();
}
