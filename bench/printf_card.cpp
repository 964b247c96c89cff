#include "printf_card.h"

void printf_kart(FILE* f, const hasta& k) {
  std::fprintf(f, "\n%11s %-20s %s %-10s %-10s %-6s %-10s", k.tckimlik, k.isim, k.cinsiyet,
               k.dogum_tarih, k.dogum_yer, k.medenihal, k.kan_grubu);
  if (k.ziyaret.gtarih[0] == '\0') {
    std::fprintf(f, "\n%11s (%s)", "Giris:", "Yapilmadi");
  } else {
    std::fprintf(f, "\n%11s (%s %s) (Bolum: %s) (Sikayet: %s)", "Giris:", k.ziyaret.gtarih,
                 k.ziyaret.gsaat, k.ziyaret.bolum, k.ziyaret.sikayet);
  }
  if (k.ziyaret.ctarih[0] == '\0') {
    std::fprintf(f, "\n%11s (%s)", "Cikis:", "Yapilmadi");
  } else {
    std::fprintf(f, "\n%11s (%s %s) (Teshis: %s) (Ilaclar: %s)", "Cikis:", k.ziyaret.ctarih,
                 k.ziyaret.csaat, k.ziyaret.teshis, k.ziyaret.ilaclar);
  }
  if (k.ziyaret.sorumlu[0] == '\0') {
    std::fprintf(f, "\n%11s (%s)", "Muayene:", "Yapilmadi");
  } else {
    std::fprintf(f, "\n%11s (Sorumlu: %s) (Guvence: %s)", "Muayene:", k.ziyaret.sorumlu, k.guvence);
  }
  std::fprintf(f, "\n%11s (%.2f TL)", "Ucret:", k.ucret);
  std::fprintf(f, "\n%11s (%s %s/%s) (Tel: %s)", "Iletisim:", k.adres, k.ilce, k.il, k.telefon);
  std::fprintf(f, "\n\n");
}

void printf_baslik(FILE* f) {
  std::fprintf(f, "%-11s %-20s %s %-10s %-10s %-6s %-10s", "TC KIMLIK", "ISIM", "C", "D. TARIHI",
               "D. YERI", "M. HAL", "KAN G.");
}
