#include "patients/registration.h"

#include <cstring>

#include "input/field_rules.h"
#include "screen/screen.h"
#include "store/checks.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

void ekle() {
  basla("HASTA EKLEME");
  // All zero, so every byte behind a field's NUL stays zero, the visit
  // fields stay empty and the balance is 0.0.
  hasta kayit;
  std::memset(&kayit, 0, sizeof kayit);
  kayit.dolu = DOLU;

  alan_sor("TC Kimlik No: ", kayit.tckimlik, AlanKurali::tckimlik);
  int kayitli = kontroltc(kayit.tckimlik);
  // Unless the whole file was read, nobody can tell that the number is free.
  if (kayitli == OKUMA_HATASI) return bitir(DOSYA_ACILAMADI);
  if (kayitli) return bitir("Bu hasta zaten kayitli!");
  alan_sor("Ad&Soyad: ", kayit.isim, AlanKurali::isim);
  alan_sor("Cinsiyet (Erkek:E Kadin:K): ", kayit.cinsiyet, AlanKurali::cinsiyet);
  alan_sor("Dogum Tarihi (Gun/Ay/Yil): ", kayit.dogum_tarih, AlanKurali::tarih);
  alan_sor("Dogum Yeri: ", kayit.dogum_yer, AlanKurali::en_az_iki);
  alan_sor("Kan Grubu: ", kayit.kan_grubu, AlanKurali::en_az_iki);
  alan_sor("Adres: ", kayit.adres, AlanKurali::en_az_iki);
  alan_sor("Il: ", kayit.il, AlanKurali::en_az_iki);
  alan_sor("Ilce: ", kayit.ilce, AlanKurali::en_az_iki);
  alan_sor("Telefon No (0 Olmadan): ", kayit.telefon, AlanKurali::telefon);
  alan_sor("Medeni Hal: ", kayit.medenihal, AlanKurali::medenihal);
  alan_sor("Sosyal Guvence: ", kayit.guvence, AlanKurali::guvence);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::ekle);
  if (!dosya) return bitir(DOSYA_ACILAMADI);
  // Another desk may have registered the number while the fields were typed:
  // it is checked again as the append is made. A failed append leaves the
  // file as it was; it is never reported as done.
  Yazim y = tc_ile_ekle(dosya.akis(), kayit);
  dosya.kapat();
  if (!yazildi(y, "Bu hasta zaten kayitli!")) return;
  bitir();
}
