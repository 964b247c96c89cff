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
  if (!dosya) return bitir(DOSYA_ACILAMADI);
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
    yaz("%2d) %7s (%.*s %.*s) (Bolum: %.*s) (Sikayet: %.*s)\n", i,
        "Giris:", ALAN(kayit2.ziyaret.gtarih), ALAN(kayit2.ziyaret.gsaat),
        ALAN(kayit2.ziyaret.bolum), ALAN(kayit2.ziyaret.sikayet));
    yaz("%11s (%.*s %.*s) (Teshis: %.*s) (Ilaclar: %.*s)\n", "Cikis:", ALAN(kayit2.ziyaret.ctarih),
        ALAN(kayit2.ziyaret.csaat), ALAN(kayit2.ziyaret.teshis), ALAN(kayit2.ziyaret.ilaclar));
    yaz("%11s (Sorumlu: %.*s)\n", "Muayene:", ALAN(kayit2.ziyaret.sorumlu));
    yaz("%11s (%.2f TL)\n", "Ucret:", kayit2.ucret);
  }
  dosya.kapat();
  if (tarama.hata()) return bitir(DOSYA_ACILAMADI);
  if (i == 0) return bitir("Hastanin Arsiv Kaydi Bulunamadi!");
  bitir();
}
