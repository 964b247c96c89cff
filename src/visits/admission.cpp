#include "visits/admission.h"

#include "input/field_rules.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"

void hkabul() {
  basla("HASTA KABUL");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  // A visit is open while it has an admission date and no discharge date.
  if (!alan_bos(k.ziyaret.gtarih) && alan_bos(k.ziyaret.ctarih))
    return bitir("Hasta Kabulu Zaten Yapildi!");
  alan_sor("Giris Tarihi (Gun/Ay/Yil): ", k.ziyaret.gtarih, AlanKurali::tarih);
  alan_sor("Giris Saati (ST:DK): ", k.ziyaret.gsaat, AlanKurali::saat);
  alan_sor("Sikayet: ", k.ziyaret.sikayet, AlanKurali::en_az_iki);
  alan_sor("Bolum: ", k.ziyaret.bolum, AlanKurali::en_az_iki);
  // What the last discharge left is cleared; the balance carries over.
  k.ziyaret.sorumlu[0] = '\0';
  k.ziyaret.teshis[0] = '\0';
  k.ziyaret.ilaclar[0] = '\0';
  k.ziyaret.ctarih[0] = '\0';
  k.ziyaret.csaat[0] = '\0';
  if (!b.geri_yaz()) return;
  b.dosya.kapat();
  listele();
}
