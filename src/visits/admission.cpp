#include "visits/admission.h"

#include <cstddef>

#include "input/letter_case.h"
#include "input/validators.h"
#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/lookup.h"

namespace {

// Asks with `istem` until the answer fits the field and `kabul` takes it, then
// stores it in the field. A line too long for the field, or one holding
// control bytes, is asked for again like any other refused answer.
template <std::size_t N, class Kosul>
void alan_sor(const char* istem, char (&alan)[N], Kosul kabul, bool harfler = false) {
  char metin[N];
  for (;;) {
    int boy = istem_oku(istem, metin, sizeof metin);
    if (boy >= 0 && kabul(metin, boy)) break;
  }
  if (harfler) ilkharf(metin);
  alan_koy(alan, metin);
}

bool tarih(const char* metin, int boy) {
  return boy == 10 && kontroltar(metin);
}
bool saat(const char* metin, int boy) {
  return boy == 5 && kontrolst(metin);
}
bool en_az_iki(const char*, int boy) {
  return boy >= 2;
}

}  // namespace

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
    alan_sor("Giris Tarihi (Gun/Ay/Yil): ", k.gtarih, tarih);
    alan_sor("Giris Saati (ST:DK): ", k.gsaat, saat);
    alan_sor("Sikayet: ", k.sikayet, en_az_iki, true);
    alan_sor("Bolum: ", k.bolum, en_az_iki, true);
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
