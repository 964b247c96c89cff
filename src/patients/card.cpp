#include "patients/card.h"

#include <cstdarg>
#include <cstdio>

#include "shell/screen.h"
#include "store/field.h"

namespace {

struct Yazici {
  char* tampon;
  std::size_t boy = 0;

  void operator()(const char* bicim, ...) PALVO_PRINTF(2, 3) {
    va_list ap;
    va_start(ap, bicim);
    int n = std::vsnprintf(tampon + boy, KART_BOYU - boy, bicim, ap);
    va_end(ap);
    if (n > 0) boy += static_cast<std::size_t>(n);
    if (boy >= KART_BOYU) boy = KART_BOYU - 1;
  }
};

}  // namespace

std::size_t kart_bicimle(char* tampon, const hasta& k) {
  Yazici y{tampon};
  y("\n%11.*s %-20.*s %.*s %-10.*s %-10.*s %-6.*s %-10.*s", ALAN(k.tckimlik), ALAN(k.isim),
    ALAN(k.cinsiyet), ALAN(k.dogum_tarih), ALAN(k.dogum_yer), ALAN(k.medenihal), ALAN(k.kan_grubu));
  if (alan_bos(k.gtarih)) {
    y("\n%11s (%s)", "Giris:", "Yapilmadi");
  } else {
    y("\n%11s (%.*s %.*s) (Bolum: %.*s) (Sikayet: %.*s)", "Giris:", ALAN(k.gtarih), ALAN(k.gsaat),
      ALAN(k.bolum), ALAN(k.sikayet));
  }
  if (alan_bos(k.ctarih)) {
    y("\n%11s (%s)", "Cikis:", "Yapilmadi");
  } else {
    y("\n%11s (%.*s %.*s) (Teshis: %.*s) (Ilaclar: %.*s)", "Cikis:", ALAN(k.ctarih), ALAN(k.csaat),
      ALAN(k.teshis), ALAN(k.ilaclar));
  }
  if (alan_bos(k.sorumlu)) {
    y("\n%11s (%s)", "Muayene:", "Yapilmadi");
  } else {
    y("\n%11s (Sorumlu: %.*s) (Guvence: %.*s)", "Muayene:", ALAN(k.sorumlu), ALAN(k.guvence));
  }
  y("\n%11s (%.2f TL)", "Ucret:", k.ucret);
  y("\n%11s (%.*s %.*s/%.*s) (Tel: %.*s)", "Iletisim:", ALAN(k.adres), ALAN(k.ilce), ALAN(k.il),
    ALAN(k.telefon));
  y("\n\n");
  return y.boy;
}

void goster(const hasta& k) {
  char tampon[KART_BOYU];
  yaz_bayt(tampon, kart_bicimle(tampon, k));
}
