#include "staff/password.h"

#include <cstdint>

#include "input/asking.h"
#include "input/limits.h"
#include "screen/screen.h"
#include "screen/session_name.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// The stored password holds at most this many characters.
constexpr int SIFRE_SIGASI = static_cast<int>(sizeof(personel::sifre)) - 1;

}  // namespace

void psifre() {
  char esifre[SATIR_BOYU];
  char duzen[SATIR_BOYU];
  basla("SIFRE DEGISTIRME");
  // An empty line is a valid old password; a line that does not fit the
  // buffer is refused whole and asked again.
  sor("Eski Sifre: ", esifre, sizeof esifre, [](int boy) { return boy >= 0; });
  Dosya dosya3 = dosya_ac(PERSONEL_DOSYASI, AcmaKipi::guncelle);
  if (!dosya3) return bitir(DOSYA_ACILAMADI);
  // The built-in account has no staff record, so nothing matches it here.
  char ad[GIRIS_BOYU] = "";
  int64_t sira = -1;
  personel kayit3;
  if (oturum() != nullptr && alan_koy(ad, oturum())) {
    sira = ilk_kayit(dosya3.akis(), kayit3, [&](const personel& k) {
      return alan_esit(k.isim, ad) && alan_esit(k.sifre, esifre);
    });
  }
  if (sira < 0) {
    dosya3.kapat();
    return bitir(sira == OKUMA_HATASI ? DOSYA_ACILAMADI : "Girdiginiz Sifre Yanlis!");
  }
  // A new password longer than the field is refused whole, never cut.
  sor("Yeni Sifre: ", duzen, sizeof duzen, [](int n) { return n >= 2 && n <= SIFRE_SIGASI; });
  // Only `sifre` changes; the bytes behind its new NUL keep what they held.
  // The account is written only while it is still as it was read.
  personel okunan = kayit3;
  alan_koy(kayit3.sifre, duzen);
  Yazim y = kayit_guncelle(dosya3.akis(), sira, okunan, kayit3, Degisiklik{TUM_ALANLAR});
  if (!yazildi(y, KAYIT_YAZILAMADI)) return;
  // After a change the main menu follows at once, without a message.
}
