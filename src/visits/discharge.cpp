#include "visits/discharge.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "input/letter_case.h"
#include "input/validators.h"
#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/lookup.h"
#include "store/record_file.h"
#include "store/records.h"

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
// A doctor is given with first name and surname.
bool doktor(const char* metin, int boy) {
  return boy >= 4 && std::strchr(metin, ' ') != nullptr;
}

// Asks for an amount until a non-zero number is typed. An empty line is not
// an answer: the read waits for the next line without a new prompt. An amount
// that would turn a finite balance into an infinite or undefined one is
// refused like zero.
double tutar_sor(const char* istem, double bakiye) {
  for (;;) {
    yaz("%s", istem);
    klavye_at();
    double tutar = 0;
    if (!ondalik_oku(&tutar) || tutar == 0) continue;
    if (std::isfinite(bakiye) && !std::isfinite(bakiye + tutar)) continue;
    return tutar;
  }
}

}  // namespace

void hcikis() {
  arsiv kayit2;
  basla("HASTA CIKIS");
  Bulma sonuc = hastabul([&kayit2](BulunanHasta& b) -> bool {
    hasta& k = b.kayit;
    if (alan_bos(k.gtarih)) {
      yaz("Once Hasta Kabulu Yapilmalidir!");
      bitir();
      return false;
    }
    alan_sor("Sorumlu: ", k.sorumlu, doktor, true);
    alan_sor("Teshis: ", k.teshis, en_az_iki, true);
    alan_sor("Ilaclar: ", k.ilaclar, en_az_iki, true);
    alan_sor("Cikis Tarihi (Gun/Ay/Yil): ", k.ctarih, tarih);
    alan_sor("Cikis Saati (ST:DK): ", k.csaat, saat);

    // Only a patient without social security pays for the examination.
    double ucret = 0;
    if (alan_esit(k.guvence, "Yok")) {
      ucret = tutar_sor("Muayene Ucreti: ", k.ucret);
    } else {
      yaz("Muayene Ucreti: Yok (%.*s Sosyal Guvence)\n", ALAN(k.guvence));
    }
    k.ucret += ucret;
    if (!b.geri_yaz()) return false;

    // The archive keeps this visit as the discharge has just completed it,
    // with the fee of this examination rather than the balance.
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
    return true;
  });
  if (sonuc != Bulma::bulundu) return;

  // The patient file is closed by now; the archive is opened on its own. The
  // discharge stays in the patient record whatever happens here, but the
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
