#include "visits/admission.h"

#include <cstddef>

#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/lookup.h"
#include "visits/visit_prompts.h"

void hkabul() {
  basla("HASTA KABUL");
  Bulma sonuc = hastabul([](BulunanHasta& b) -> bool {
    hasta& k = b.kayit;
    // A visit is open while it has an admission date and no discharge date.
    if (!alan_bos(k.gtarih) && alan_bos(k.ctarih)) {
      yaz("Hasta Kabulu Zaten Yapildi!");
      bitir();
      return false;
    }
    alan_sor("Giris Tarihi (Gun/Ay/Yil): ", k.gtarih, tarih_gecer);
    alan_sor("Giris Saati (ST:DK): ", k.gsaat, saat_gecer);
    alan_sor("Sikayet: ", k.sikayet, en_az_iki_gecer, true);
    alan_sor("Bolum: ", k.bolum, en_az_iki_gecer, true);
    // What the last discharge left is cleared; the balance carries over.
    k.sorumlu[0] = '\0';
    k.teshis[0] = '\0';
    k.ilaclar[0] = '\0';
    k.ctarih[0] = '\0';
    k.csaat[0] = '\0';
    return b.geri_yaz();
  });
  if (sonuc == Bulma::bulundu) listele();
}
