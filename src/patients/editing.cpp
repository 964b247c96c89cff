#include "patients/editing.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "input/field_rules.h"
#include "input/keyboard.h"
#include "input/limits.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Holds for a patient in use other than the one in slot `kendi` that has
// the identity number `metin`. The checks read the edit's own stream, which
// the rewrite seeks again, so that the last one runs under its locks.
auto baskasinin(const char* metin, int64_t kendi) {
  return [metin, boy = std::strlen(metin), kendi](const hasta& k, int64_t s) {
    return s != kendi && alan_metin_esit(k.tckimlik, metin, boy);
  };
}

// Shows the old value and asks for a new one until the answer is empty or
// passes the field's rule. Answers the accepted, normalised text in `duzen`,
// or an empty text for an empty answer. A line longer than the field holds
// is refused like any other invalid answer, never cut.
template <std::size_t N>
void yeni_deger(const char* eski, const char* yeni, const char (&alan)[N], AlanKurali kural,
                char (&duzen)[SATIR_BOYU]) {
  // The old value on a line of its own, then the prompt: both labels are
  // short texts of this file.
  char istem[N + 64];
  std::snprintf(istem, sizeof istem, "%s%.*s\n%s", eski, ALAN(alan), yeni);
  int boy = sor(istem, duzen, sizeof duzen, [&](int n) {
    if (n == 0) return true;
    if (n < 0 || static_cast<std::size_t>(n) > N - 1) return false;
    return kural_gecer(kural, duzen, static_cast<std::size_t>(n));
  });
  if (boy > 0) normallestir(kural, duzen);
}

// One field other than the identity number: an empty answer keeps it, unless
// the rule gives it a meaning (the social security becomes "Yok").
template <std::size_t N>
void duzelt(const char* eski, const char* yeni, char (&alan)[N], AlanKurali kural) {
  char duzen[SATIR_BOYU];
  yeni_deger(eski, yeni, alan, kural, duzen);
  if (duzen[0] != '\0') {
    alan_koy(alan, duzen);
  } else if (const char* bos = bos_cevap(kural)) {
    alan_koy(alan, bos);
  }
}

}  // namespace

void duzenle() {
  basla("HASTA DUZENLEME");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  constexpr const char* BASKASININ = "Bu numara baska hastaya ait!";
  char duzen[SATIR_BOYU];
  yeni_deger("Eski TC Kimlik No: ", "Yeni TC Kimlik No: ", k.tckimlik, AlanKurali::tckimlik, duzen);
  if (duzen[0] != '\0') {
    // The patient's own current number typed again is kept as it is; only a
    // number that another patient in use holds is refused.
    int baskasi = eslesen_var<hasta>(b.dosya.akis(), baskasinin(duzen, b.sira));
    if (baskasi < 0) return bitir(DOSYA_ACILAMADI);
    if (baskasi) return bitir(BASKASININ);
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
  // Written back whole even when every answer was empty. Each field is one
  // of the edit's own: another desk's change to another field, the visit or
  // the balance since the lookup stands too. A new number is checked again
  // as the rewrite is made: another desk may have registered it while the
  // other fields were typed.
  FILE* f = b.dosya.akis();
  Yazim y;
  if (std::memcmp(k.tckimlik, b.okunan.tckimlik, sizeof k.tckimlik) != 0) {
    auto esles = baskasinin(k.tckimlik, b.sira);
    y = numara_altinda<hasta>(f, esles, [&](FILE* g, int64_t ilk) {
      return kayit_guncelle(g, b.sira, b.okunan, k, {}, [&](FILE* h, const hasta&) {
        return eslesen_var<hasta>(h, esles, ilk);
      });
    });
  } else {
    y = kayit_guncelle(f, b.sira, b.okunan, k, {});
  }
  if (!yazildi(y, BASKASININ)) return;
  b.dosya.kapat();
  listele();
}
