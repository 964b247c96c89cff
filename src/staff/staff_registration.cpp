#include "staff/staff_registration.h"

#include <cstring>

#include "input/asking.h"
#include "screen/screen.h"
#include "store/checks.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

// Reads a line straight into a 20-byte field of the record until it holds at
// least two characters. Longer lines and lines with control bytes are refused
// whole (the prompt again), so a field never holds more than 19 characters.
template <std::size_t N>
void en_az_iki(const char* istem, char (&alan)[N]) {
  sor(istem, alan, N, [](int boy) { return boy >= 2; });
}

}  // namespace

void personel() {
  struct personel kayit3;
  std::memset(&kayit3, 0, sizeof kayit3);
  kayit3.dolu = DOLU;
  basla("PERSONEL EKLEME");
  en_az_iki("Kullanici Adi: ", kayit3.isim);
  int kayitli = kontrolism(kayit3.isim);
  if (kayitli == OKUMA_HATASI) return bitir(DOSYA_ACILAMADI);
  if (kayitli) return bitir("Bu personel zaten kayitli!");
  // The password is typed in the open, like any other line.
  en_az_iki("Sifre: ", kayit3.sifre);
  Dosya dosya3 = dosya_ac(PERSONEL_DOSYASI, AcmaKipi::ekle);
  if (!dosya3) return bitir(DOSYA_ACILAMADI);
  // The name again, as the append is made: another desk may have taken it
  // while the password was typed.
  Yazim y = isim_ile_ekle(dosya3.akis(), kayit3);
  dosya3.kapat();
  if (!yazildi(y, "Bu personel zaten kayitli!")) return;
  // No confirmation: the return prompt follows the password line.
  return bitir();
}
