#include "screens.h"

std::string ekran_girissiz(const std::string& baslik) {
  return "\fPALVO HASTANE OTOMASYONU 1.0\n===== " + baslik + " =====\n";
}

std::string ekran(const std::string& baslik, const std::string& oturum) {
  return "\fPALVO HASTANE OTOMASYONU 1.0 (" + oturum + ")\n===== " + baslik + " =====\n";
}

std::string menu_ekrani(const std::string& oturum) {
  // Seven lines of 46 characters: two columns of "%2d." and a label padded
  // to 20.
  return ekran("ANA MENU", oturum) +
         " 1.Hasta Ekle           2.Hasta Duzenle       \n"
         " 3.Hasta Sil            4.Hasta Listele       \n"
         " 5.Hasta Kabul          6.Hasta Cikis         \n"
         " 7.Hasta Ara            8.Vezne Islemleri     \n"
         " 9.Personel Ekle       10.Sifre Degistir      \n"
         "11.Muayene Arsivi      12.Rapor Olustur       \n"
         "13.Hakkinda            14.Cikis               \n"
         "\n"
         "Seciminiz: ";
}

std::string giris_girdisi(const std::string& isim, const std::string& sifre) {
  return isim + "\n" + sifre + "\n";
}

std::string giris_ekrani(std::size_t yildiz, bool tekrar) {
  std::string s = ekran_girissiz("UYE GIRISI");
  if (tekrar) {
    s += "\n!!! Kullanici adiniz veya sifreniz yanlis!\n!!! Lutfen tekrar deneyin!\n\n";
  }
  return s + "Kullanici Adi: Sifre: " + std::string(yildiz, '*');
}

std::string oturum_girdisi(const std::string& govde) {
  return giris_girdisi() + govde + "14\n";
}

std::string oturum_ekrani(const std::string& govde) {
  return giris_ekrani() + menu_ekrani() + govde + menu_ekrani();
}
