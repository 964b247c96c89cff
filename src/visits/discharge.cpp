#include "visits/discharge.h"

#include <cstring>

#include "input/field_rules.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"
#include "visits/visit_prompts.h"

void hcikis() {
  basla("HASTA CIKIS");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  if (alan_bos(k.gtarih)) {
    yaz("Once Hasta Kabulu Yapilmalidir!");
    return bitir();
  }
  alan_sor("Sorumlu: ", k.sorumlu, AlanKurali::isim);
  alan_sor("Teshis: ", k.teshis, AlanKurali::en_az_iki);
  alan_sor("Ilaclar: ", k.ilaclar, AlanKurali::en_az_iki);
  alan_sor("Cikis Tarihi (Gun/Ay/Yil): ", k.ctarih, AlanKurali::tarih);
  alan_sor("Cikis Saati (ST:DK): ", k.csaat, AlanKurali::saat);

  // Only a patient without social security pays for the examination.
  double ucret = 0;
  if (alan_esit(k.guvence, "Yok")) {
    ucret = tutar_sor("Muayene Ucreti: ", k.ucret);
  } else {
    yaz("Muayene Ucreti: Yok (%.*s Sosyal Guvence)\n", ALAN(k.guvence));
  }
  k.ucret += ucret;
  if (!b.geri_yaz()) return;
  b.dosya.kapat();

  // The archive keeps this visit as the discharge has just completed it,
  // with the fee of this examination rather than the balance.
  arsiv kayit2;
  std::memset(&kayit2, 0, sizeof kayit2);
  kayit2.dolu = DOLU;
  alan_kopyala(kayit2.tckimlik, k.tckimlik);
  alan_kopyala(kayit2.gtarih, k.gtarih);
  alan_kopyala(kayit2.gsaat, k.gsaat);
  alan_kopyala(kayit2.bolum, k.bolum);
  alan_kopyala(kayit2.sikayet, k.sikayet);
  alan_kopyala(kayit2.teshis, k.teshis);
  alan_kopyala(kayit2.ilaclar, k.ilaclar);
  alan_kopyala(kayit2.sorumlu, k.sorumlu);
  alan_kopyala(kayit2.ctarih, k.ctarih);
  alan_kopyala(kayit2.csaat, k.csaat);
  kayit2.ucret = ucret;

  // The discharge stays in the patient record whatever happens here, but the
  // clerk must see when the examination was not archived.
  Dosya dosya = dosya_ac(ARSIV_DOSYASI, AcmaKipi::ekle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  if (!kayit_ekle(dosya.akis(), kayit2)) {
    yaz("Kayit Yazilamadi!");
    return bitir();
  }
  dosya.kapat();
  listele();
}
