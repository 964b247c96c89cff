#include "visits/discharge.h"

#include <cstring>

#include "input/field_rules.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"
#include "store/visit.h"
#include "visits/visit_prompts.h"

void hcikis() {
  basla("HASTA CIKIS");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  if (alan_bos(k.ziyaret.gtarih)) return bitir("Once Hasta Kabulu Yapilmalidir!");
  alan_sor("Sorumlu: ", k.ziyaret.sorumlu, AlanKurali::isim);
  alan_sor("Teshis: ", k.ziyaret.teshis, AlanKurali::en_az_iki);
  alan_sor("Ilaclar: ", k.ziyaret.ilaclar, AlanKurali::en_az_iki);
  alan_sor("Cikis Tarihi (Gun/Ay/Yil): ", k.ziyaret.ctarih, AlanKurali::tarih);
  alan_sor("Cikis Saati (ST:DK): ", k.ziyaret.csaat, AlanKurali::saat);

  // Only a patient without social security pays for the examination.
  double ucret = 0;
  if (alan_esit(k.guvence, "Yok")) {
    ucret = tutar_sor("Muayene Ucreti: ", k.ucret);
  } else {
    yaz("Muayene Ucreti: Yok (%.*s Sosyal Guvence)\n", ALAN(k.guvence));
  }
  k.ucret += ucret;
  // The visit, the social security (which decided the fee) and the number
  // (which the archive copies) must be as read; another desk's payment meanwhile
  // stands beside the fee.
  const Degisiklik d{hasta_alanlari::TCKIMLIK | hasta_alanlari::GUVENCE | hasta_alanlari::ZIYARET,
                     true, ucret};

  // The archive keeps this visit as the discharge has just completed it,
  // with the fee of this examination rather than the balance.
  arsiv kayit2;
  std::memset(&kayit2, 0, sizeof kayit2);
  kayit2.dolu = DOLU;
  alan_kopyala(kayit2.tckimlik, k.tckimlik);
  ziyaret_kopyala(kayit2.ziyaret, k.ziyaret);
  kayit2.ucret = ucret;

  // The archive is opened before anything is written, so that the patient's
  // rewrite and the archive record land together or not at all. An archive
  // that cannot be opened at all still lets the discharge be recorded, and
  // the clerk sees that it was not archived.
  Dosya arsiv_dosyasi = dosya_ac(ARSIV_DOSYASI, AcmaKipi::ekle);
  if (!arsiv_dosyasi) {
    if (!b.geri_yaz(d)) return;
    b.dosya.kapat();
    return bitir(DOSYA_ACILAMADI);
  }
  Yazim y = degistir_ve_ekle(b.dosya.akis(), b.sira, b.okunan, k, d, arsiv_dosyasi.akis(),
                             ARSIV_DOSYASI, kayit2);
  arsiv_dosyasi.kapat();
  b.dosya.kapat();
  // "Kayit Yazilamadi!" means that neither file changed, so the clerk may
  // try again; "Dosya Acilamadi!" that the discharge may be recorded, with at
  // most one archive record for it, whole, torn or missing: the patient is
  // looked up before anything is tried again. Neither is followed by the
  // list, whose header would wipe it.
  if (!yazildi(y, KAYIT_YAZILAMADI)) return;
  listele();
}
