#include "staff/password.h"

#include <cstring>

#include "input/limits.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "shell/session.h"
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
  int ara = 0;
  basla("SIFRE DEGISTIRME");
  // An empty line is a valid old password; a line that does not fit the
  // buffer is refused whole and asked again.
  while (istem_oku("Eski Sifre: ", esifre, sizeof esifre) < 0) {
  }
  Dosya dosya3 = dosya_ac(PERSONEL_DOSYASI, AcmaKipi::guncelle);
  if (!dosya3) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  // The built-in account has no staff record, so nothing matches it here.
  char ad[GIRIS_BOYU] = "";
  bool oturumlu = oturum() != nullptr && alan_koy(ad, oturum());
  Tarama<personel> tarama(dosya3.akis());
  personel kayit3;
  std::memset(&kayit3, 0, sizeof kayit3);
  while (oturumlu && ara == 0 && tarama.sonraki(kayit3)) {
    if (kayit3.dolu != DOLU || !alan_esit(kayit3.isim, ad) || !alan_esit(kayit3.sifre, esifre)) {
      continue;
    }
    // A new password longer than the field is refused whole, never cut.
    int n;
    while ((n = istem_oku("Yeni Sifre: ", duzen, sizeof duzen)) < 2 || n > SIFRE_SIGASI) {
    }
    // Only `sifre` changes; the bytes behind its new NUL keep what they held.
    alan_koy(kayit3.sifre, duzen);
    if (!kayit_degistir(dosya3.akis(), tarama.sira(), kayit3)) {
      yaz("Kayit Yazilamadi!");
      return bitir();
    }
    ara = 1;
  }
  dosya3.kapat();
  // After a change the main menu follows at once, without a message.
  if (ara == 1) return;
  yaz("Girdiginiz Sifre Yanlis!");
  return bitir();
}
