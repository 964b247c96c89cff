#include "patients/search.h"

#include <cstring>

#include "input/letter_case.h"
#include "input/limits.h"
#include "input/validators.h"
#include "patients/card.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

void hastaara() {
  int ara = 0;
  basla("HASTA ARA");
  // A line that does not fit the buffer simply finds nobody; one holding a
  // control byte is asked again, like one that is too short.
  char metin[SATIR_BOYU];
  int boy;
  do {
    boy = istem_oku("Kelime (En az 2 harf): ", metin, sizeof metin);
  } while (boy != SATIR_UZUN && boy < 2);
  int sayi = kontrolno(metin);
  if (!sayi) kucult(metin);

  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  if (!dosya) {
    yaz("Dosya Acilamadi!");
    return bitir();
  }
  if (boy != SATIR_UZUN) {
    Tarama<hasta> tarama(dosya.akis());
    hasta kayit;
    while (tarama.sonraki(kayit)) {
      if (kayit.dolu != DOLU) continue;
      bool eslesti;
      if (sayi) {
        eslesti = alan_esit(kayit.tckimlik, metin);
      } else {
        // The name may fill its field without a NUL.
        char yedek[sizeof kayit.isim + 1];
        std::size_t n = alan_boyu(kayit.isim);
        std::memcpy(yedek, kayit.isim, n);
        yedek[n] = '\0';
        kucult(yedek);
        eslesti = std::strstr(yedek, metin) != nullptr;
      }
      if (!eslesti) continue;
      goster(kayit);
      ++ara;
    }
  }
  dosya.kapat();
  if (ara == 0) yaz("Bulunamadi!");
  bitir();
}
