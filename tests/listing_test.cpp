// The patient card and the patient list end to end (menu choice 4): the
// heading, cards of patients in every state, long values, the count line,
// and files that are empty, damaged, written by other means or missing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

void listeyi_dogrula(const Calisma& c, const std::string& beklenen) {
  std::string once = c.oku(HASTA);
  oturum(c, "4\nx", beklenen);
  EXPECT_EQ(c.oku(HASTA), once) << "the list only reads";
}

// The heading as the program prints it: one line of 74 characters, the last
// four of them blanks, straight after an empty line.
TEST(List, HeadingWidth) {
  Calisma c;
  c.yaz(HASTA, bayt(hasta_kaydi("12345678901", "Ali Veli")));
  std::string cikti = oturum(c, "4\nx").cikti;
  std::string baslik = "===== HASTA LISTELEME =====\n\n";
  std::size_t bas = cikti.find(baslik);
  ASSERT_NE(bas, std::string::npos);
  bas += baslik.size();
  std::size_t son = cikti.find('\n', bas);
  ASSERT_NE(son, std::string::npos);
  EXPECT_EQ(son - bas, 74u);
  EXPECT_EQ(cikti.substr(son - 4, 4), "    ");
  EXPECT_EQ(cikti.substr(bas, 9), "TC KIMLIK");
}

// The three kinds of card, spelled out in full.
const std::string KART_YENI =
    "\n12345678901 Ayse Kaya            K 14/03/1975 Izmir      Bekar  0 Rh+     "
    "\n     Giris: (Yapilmadi)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (0.00 TL)"
    "\n  Iletisim: (Kordon Boyu 7 Konak/Izmir) (Tel: 2324567890)"
    "\n\n";
const std::string KART_YATAN =
    "\n22222222222 Can Demir            K 14/03/1975 Izmir      Bekar  0 Rh+     "
    "\n     Giris: (02/01/2024 09:30) (Bolum: Dahiliye) (Sikayet: Ates)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (0.00 TL)"
    "\n  Iletisim: (Kordon Boyu 7 Konak/Izmir) (Tel: 2324567890)"
    "\n\n";
const std::string KART_CIKAN =
    "\n33333333333 Ece Yilmaz           K 14/03/1975 Izmir      Bekar  0 Rh+     "
    "\n     Giris: (02/01/2024 09:30) (Bolum: Dahiliye) (Sikayet: Ates)"
    "\n     Cikis: (05/01/2024 16:45) (Teshis: Grip) (Ilaclar: Aspirin)"
    "\n   Muayene: (Sorumlu: Dr Ayse) (Guvence: Ssk)"
    "\n     Ucret: (-1234.57 TL)"
    "\n  Iletisim: (Kordon Boyu 7 Konak/Izmir) (Tel: 2324567890)"
    "\n\n";

hasta yatan() {
  hasta k = hasta_kaydi("22222222222", "Can Demir");
  koy(k.ziyaret.gtarih, "02/01/2024");
  koy(k.ziyaret.gsaat, "09:30");
  koy(k.ziyaret.bolum, "Dahiliye");
  koy(k.ziyaret.sikayet, "Ates");
  return k;
}

TEST(List, VisitStates) {
  Calisma c;
  hasta cikan = taburcu(hasta_kaydi("33333333333", "Ece Yilmaz", "Ssk"), -1234.567);
  c.yaz(HASTA, dosya({hasta_kaydi("12345678901", "Ayse Kaya"), yatan(), cikan}));
  listeyi_dogrula(c, ekran("HASTA LISTELEME") + "\n" + BASLIK + KART_YENI + KART_YATAN +
                         KART_CIKAN + "\n(Toplam 3 hasta kayitli)" + DONUS);
  // The search shows the same cards.
  const std::string arama = ekran("HASTA ARA") + "Kelime (En az 2 harf): ";
  oturum(c, "7\nkaya\nx7\nyilmaz\nx",
         arama + KART_YENI + DONUS + menu_ekrani() + arama + KART_CIKAN + DONUS);
}

TEST(List, SocialSecurity) {
  Calisma c;
  hasta k = yatan();
  koy(k.ziyaret.ctarih, "03/01/2024");
  koy(k.ziyaret.csaat, "10:00");
  c.yaz(HASTA, dosya({k}));
  listeyi_dogrula(c,
                  ekran("HASTA LISTELEME") + "\n" + BASLIK +
                      "\n22222222222 Can Demir            K 14/03/1975 Izmir      Bekar  0 Rh+     "
                      "\n     Giris: (02/01/2024 09:30) (Bolum: Dahiliye) (Sikayet: Ates)"
                      "\n     Cikis: (03/01/2024 10:00) (Teshis: ) (Ilaclar: )"
                      "\n   Muayene: (Yapilmadi)"
                      "\n     Ucret: (0.00 TL)"
                      "\n  Iletisim: (Kordon Boyu 7 Konak/Izmir) (Tel: 2324567890)"
                      "\n\n"
                      "\n(Toplam 1 hasta kayitli)" +
                      DONUS);
}

TEST(List, LongValues) {
  Calisma c;
  hasta k = hasta_kaydi("1234567890123456789", "Abdurrahman Sefer B");
  koy(k.cinsiyet, "E");
  koy(k.dogum_tarih, "01/01/1950 sabah");
  koy(k.dogum_yer, "Afyonkarahisar Merk");
  koy(k.medenihal, "Bosanmis");
  koy(k.kan_grubu, "Ab Rh- X");
  c.yaz(HASTA, dosya({k}));
  listeyi_dogrula(
      c, ekran("HASTA LISTELEME") + "\n" + BASLIK +
             "\n1234567890123456789 Abdurrahman Sefer B  E 01/01/1950 sabah Afyonkarahisar Merk "
             "Bosanmis Ab Rh- X  "
             "\n     Giris: (Yapilmadi)"
             "\n     Cikis: (Yapilmadi)"
             "\n   Muayene: (Yapilmadi)"
             "\n     Ucret: (0.00 TL)"
             "\n  Iletisim: (Kordon Boyu 7 Konak/Izmir) (Tel: 2324567890)"
             "\n\n"
             "\n(Toplam 1 hasta kayitli)" +
             DONUS);
}

TEST(List, FieldsWithoutNul) {
  Calisma c;
  hasta k = yatan();
  doldur(k.tckimlik, "12345678901234567890");
  doldur(k.isim, "Abcdefghij Klmnopqrs");
  doldur(k.cinsiyet, "EK");
  doldur(k.dogum_tarih, "01/02/2000XXXXXXXXXX");
  doldur(k.dogum_yer, "YYYYYYYYYYYYYYYYYYYY");
  doldur(k.medenihal, "EvliEvliEv");
  doldur(k.guvence, "GGGGGGGGGG");
  doldur(k.kan_grubu, "ABCDEFGHIJ");
  doldur(k.adres, std::string(40, 'a'));
  doldur(k.il, std::string(20, 'i'));
  doldur(k.ilce, std::string(20, 'c'));
  doldur(k.telefon, std::string(20, '5'));
  doldur(k.ziyaret.gtarih, std::string(20, 'g'));
  doldur(k.ziyaret.gsaat, "09:30s");
  doldur(k.ziyaret.bolum, std::string(20, 'b'));
  doldur(k.ziyaret.sikayet, std::string(20, 's'));
  c.yaz(HASTA, dosya({k}));
  listeyi_dogrula(c, ekran("HASTA LISTELEME") + "\n" + BASLIK +
                         "\n12345678901234567890 Abcdefghij Klmnopqrs EK 01/02/2000XXXXXXXXXX "
                         "YYYYYYYYYYYYYYYYYYYY EvliEvliEv ABCDEFGHIJ"
                         "\n     Giris: (" +
                         std::string(20, 'g') + " 09:30s) (Bolum: " + std::string(20, 'b') +
                         ") (Sikayet: " + std::string(20, 's') +
                         ")"
                         "\n     Cikis: (Yapilmadi)"
                         "\n   Muayene: (Yapilmadi)"
                         "\n     Ucret: (0.00 TL)"
                         "\n  Iletisim: (" +
                         std::string(40, 'a') + " " + std::string(20, 'c') + "/" +
                         std::string(20, 'i') + ") (Tel: " + std::string(20, '5') +
                         ")\n\n"
                         "\n(Toplam 1 hasta kayitli)" +
                         DONUS);
}

TEST(List, NoPatients) {
  hasta sifir = hasta_kaydi("11111111111", "Eski Hasta");
  sifir.dolu = 0;
  std::vector<hasta> serbest;
  for (int32_t dolu : {0, 2, -1, 257, 16777216}) {
    hasta k = hasta_kaydi("11111111111", "Garip Kayit");
    k.dolu = dolu;
    serbest.push_back(k);
  }
  for (const std::string& veri : {std::string(), dosya({bos_kayit(), bos_kayit()}), dosya(serbest),
                                  dosya({sifir}) + std::string(375, '\x01')}) {
    Calisma c;
    c.yaz(HASTA, veri);
    listeyi_dogrula(c, ekran("HASTA LISTELEME") + "\n" + BASLIK + "\nKayitli Hasta Yok!" + DONUS);
  }
}

TEST(List, SkipsFreeSlots) {
  Calisma c;
  hasta a = hasta_kaydi("12345678901", "Ayse Kaya");
  hasta iki = hasta_kaydi("99999999999", "Dolu Iki");
  iki.dolu = 2;
  hasta b = yatan();
  // The tail is the first 375 bytes of a record in use: never shown.
  std::string kuyruk = bayt(hasta_kaydi("88888888888", "Yarim Kayit")).substr(0, 375);
  c.yaz(HASTA, dosya({bos_kayit(), a, iki, bos_kayit(), b}) + kuyruk);
  listeyi_dogrula(c, liste_ekrani({a, b}));
}

TEST(List, OddBalances) {
  const unsigned char on_uc[8] = {0x0a, 0x0d, 0x1a, 0x00, 0x0d, 0x00, 0x24, 0x40};
  double ucret13;
  std::memcpy(&ucret13, on_uc, 8);
  std::vector<hasta> liste = {
      taburcu(hasta_kaydi("10000000001", "Bir Hasta"), 3.25),
      taburcu(hasta_kaydi("10000000002", "Iki Hasta"), 6.5),
      taburcu(hasta_kaydi("10000000003", "Uc Hasta"), ucret13),
      hasta_kaydi("10000000004", "Dort Hasta"),
  };
  std::string veri = dosya(liste);
  ASSERT_NE(veri.find('\x0a', 368), std::string::npos);
  ASSERT_EQ(veri.substr(376 + 368, 8), std::string("\0\0\0\0\0\0\x1a\x40", 8));
  Calisma c;
  c.yaz(HASTA, veri);
  std::string beklenen = liste_ekrani(liste);
  ASSERT_NE(beklenen.find("(3.25 TL)"), std::string::npos);
  ASSERT_NE(beklenen.find("(6.50 TL)"), std::string::npos);
  ASSERT_NE(beklenen.find("(10.00 TL)"), std::string::npos);
  listeyi_dogrula(c, beklenen);
}

TEST(List, ManyPatients) {
  std::vector<hasta> liste;
  std::vector<hasta> gosterilen;
  for (int i = 0; i < 400; ++i) {
    hasta k = hasta_kaydi(bicim("%011lld", 10000000000LL + i), bicim("Hasta No%d", i));
    if (i % 7 == 3) k.dolu = 0;
    liste.push_back(k);
    if (k.dolu == 1) gosterilen.push_back(k);
  }
  Calisma c;
  c.yaz(HASTA, dosya(liste));
  listeyi_dogrula(c, liste_ekrani(gosterilen));
}

TEST(List, NoFile) {
  acilamayan_dosya("4\nx", liste_acilamadi());
}

}  // namespace
