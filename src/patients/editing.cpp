#include "patients/editing.h"

#include <cstdint>
#include <cstring>

#include "input/limits.h"
#include "patients/listing.h"
#include "patients/patient_fields.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/lookup.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Whether a patient in use other than the one in slot `kendi` holds the
// identity number `metin`. It reads the patient file through a stream of its
// own, so the edit's stream and its position stay untouched.
bool baskasinda(const char* metin, int64_t kendi) {
  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) return false;
  Tarama<hasta> tarama(dosya.akis());
  hasta kayit;
  while (tarama.sonraki(kayit)) {
    if (tarama.sira() != kendi && kayit.dolu == DOLU && alan_metin_esit(kayit.tckimlik, metin)) {
      return true;
    }
  }
  return false;
}

// Shows the old value and asks for a new one until the answer is empty or
// passes the field's rule. Answers the accepted, normalised text in `duzen`,
// or an empty text for an empty answer. A line longer than the field holds
// is refused like any other invalid answer, never cut.
template <std::size_t N>
void sor(const char* eski, const char* yeni, const char (&alan)[N], AlanKurali kural,
         char (&duzen)[SATIR_BOYU]) {
  for (;;) {
    yaz("%s%.*s\n", eski, ALAN(alan));
    int boy = istem_oku(yeni, duzen, sizeof duzen);
    if (boy == 0) return;
    if (boy < 0 || static_cast<std::size_t>(boy) > N - 1) continue;
    if (kural_gecer(kural, duzen, static_cast<std::size_t>(boy))) break;
  }
  normallestir(kural, duzen);
}

// One field other than the identity number: an empty answer keeps it, except
// the social security, which then becomes "Yok".
template <std::size_t N>
void duzelt(const char* eski, const char* yeni, char (&alan)[N], AlanKurali kural) {
  char duzen[SATIR_BOYU];
  sor(eski, yeni, alan, kural, duzen);
  if (duzen[0] != '\0') {
    alan_koy(alan, duzen);
  } else if (kural == AlanKurali::guvence) {
    alan_koy(alan, "Yok");
  }
}

bool duzenleme_adimi(BulunanHasta& b) {
  hasta& k = b.kayit;
  char duzen[SATIR_BOYU];
  sor("Eski TC Kimlik No: ", "Yeni TC Kimlik No: ", k.tckimlik, AlanKurali::tckimlik, duzen);
  if (duzen[0] != '\0') {
    // The patient's own current number typed again is kept as it is; only a
    // number that another patient in use holds is refused.
    if (baskasinda(duzen, b.sira)) {
      yaz("Bu numara baska hastaya ait!");
      bitir();
      return false;
    }
    alan_koy(k.tckimlik, duzen);
  }
  duzelt("Eski Isim: ", "Yeni Isim: ", k.isim, AlanKurali::isim);
  duzelt("Eski Cinsiyet: ", "Yeni Cinsiyet: ", k.cinsiyet, AlanKurali::cinsiyet);
  duzelt("Eski Dogum Tarihi: ", "Yeni Dogum Tarihi: ", k.dogum_tarih, AlanKurali::tarih);
  duzelt("Eski Dogum Yeri: ", "Yeni Dogum Yeri: ", k.dogum_yer, AlanKurali::en_az_iki);
  duzelt("Eski Kan Grubu: ", "Yeni Kan Grubu: ", k.kan_grubu, AlanKurali::en_az_iki);
  duzelt("Eski Adres: ", "Yeni Adres: ", k.adres, AlanKurali::en_az_iki);
  duzelt("Eski Il: ", "Yeni Il: ", k.il, AlanKurali::en_az_iki);
  duzelt("Eski Ilce: ", "Yeni Ilce: ", k.ilce, AlanKurali::en_az_iki);
  duzelt("Eski Telefon: ", "Yeni Telefon: ", k.telefon, AlanKurali::telefon);
  duzelt("Eski Medeni Hal: ", "Yeni Medeni Hal: ", k.medenihal, AlanKurali::medenihal);
  duzelt("Eski Sosyal Guvence: ", "Yeni Sosyal Guvence: ", k.guvence, AlanKurali::guvence);
  // Written back whole even when every answer was empty; the visit fields
  // and the balance go back exactly as they were read.
  return b.geri_yaz();
}

}  // namespace

void duzenle() {
  basla("HASTA DUZENLEME");
  if (hastabul([](BulunanHasta& b) { return duzenleme_adimi(b); }) == Bulma::bulundu) {
    listele();
  }
}
