#include "patients/registration.h"

#include <cstring>

#include "patients/patient_fields.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/checks.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Asks one field until its answer passes the rule, then stores the
// normalised answer. The answer is read into a buffer of the field's own
// width, so a longer line is refused and asked again, never cut.
template <std::size_t N>
void sor(const char* istem, char (&alan)[N], AlanKurali kural) {
  char cevap[N];
  for (;;) {
    int boy = istem_oku(istem, cevap, sizeof cevap);
    if (boy < 0) continue;
    if (kural == AlanKurali::guvence && boy == 0) {
      alan_koy(cevap, "Yok");
      boy = static_cast<int>(std::strlen(cevap));
    }
    if (kural_gecer(kural, cevap, static_cast<std::size_t>(boy))) break;
  }
  normallestir(kural, cevap);
  alan_koy(alan, cevap);
}

}  // namespace

void ekle() {
  basla("HASTA EKLEME");
  // All zero, so every byte behind a field's NUL stays zero, the visit
  // fields stay empty and the balance is 0.0.
  hasta kayit;
  std::memset(&kayit, 0, sizeof kayit);
  kayit.dolu = DOLU;

  sor("TC Kimlik No: ", kayit.tckimlik, AlanKurali::tckimlik);
  if (kontroltc(kayit.tckimlik)) {
    yaz("Bu hasta zaten kayitli!");
    return bitir();
  }
  sor("Ad&Soyad: ", kayit.isim, AlanKurali::isim);
  sor("Cinsiyet (Erkek:E Kadin:K): ", kayit.cinsiyet, AlanKurali::cinsiyet);
  sor("Dogum Tarihi (Gun/Ay/Yil): ", kayit.dogum_tarih, AlanKurali::tarih);
  sor("Dogum Yeri: ", kayit.dogum_yer, AlanKurali::en_az_iki);
  sor("Kan Grubu: ", kayit.kan_grubu, AlanKurali::en_az_iki);
  sor("Adres: ", kayit.adres, AlanKurali::en_az_iki);
  sor("Il: ", kayit.il, AlanKurali::en_az_iki);
  sor("Ilce: ", kayit.ilce, AlanKurali::en_az_iki);
  sor("Telefon No (0 Olmadan): ", kayit.telefon, AlanKurali::telefon);
  sor("Medeni Hal: ", kayit.medenihal, AlanKurali::medenihal);
  sor("Sosyal Guvence: ", kayit.guvence, AlanKurali::guvence);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::ekle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  // A failed append leaves the file as it was; it is never reported as done.
  if (!kayit_ekle(dosya.akis(), kayit)) {
    yaz("Kayit Yazilamadi!");
    return bitir();
  }
  dosya.kapat();
  bitir();
}
