#include "visits/admission.h"

#include "input/field_rules.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"

namespace {

constexpr const char* ZATEN_YAPILDI = "Hasta Kabulu Zaten Yapildi!";

// A visit is open while it has an admission date and no discharge date.
bool ziyaret_acik(const hasta& k) {
  return !alan_bos(k.ziyaret.gtarih) && alan_bos(k.ziyaret.ctarih);
}

}  // namespace

void hkabul() {
  basla("HASTA KABUL");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  if (ziyaret_acik(k)) return bitir(ZATEN_YAPILDI);
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
  // The visit is one unit: changed by another desk since the lookup, it
  // refuses the admission, with the first message when that desk opened a
  // visit.
  if (!b.geri_yaz(
          {hasta_alanlari::TCKIMLIK | hasta_alanlari::ZIYARET},
          [](FILE*, const hasta& simdi) { return ziyaret_acik(simdi) ? 1 : 0; }, ZATEN_YAPILDI)) {
    return;
  }
  b.dosya.kapat();
  listele();
}
