// The report file (menu 12) end to end: the file byte for byte, its cards
// equal to the list screen's, a report without patients, rewriting, and the
// files that cannot be opened or written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "harness.h"
#include "screens.h"
#include "store/records.h"

namespace {

template <std::size_t N>
void koy(char (&alan)[N], const std::string& metin) {
  ASSERT_LT(metin.size(), N);
  std::memcpy(alan, metin.c_str(), metin.size() + 1);
}

hasta bos_hasta() {
  hasta k;
  std::memset(&k, 0, sizeof k);
  return k;
}

// A newly registered patient: no visit, balance 0. Its birthplace field
// holds leftovers behind the NUL, which no reader may show.
hasta yeni_hasta() {
  hasta k = bos_hasta();
  k.dolu = DOLU;
  koy(k.tckimlik, "12345678901");
  koy(k.isim, "Ayse Yilmaz");
  koy(k.cinsiyet, "K");
  koy(k.dogum_tarih, "01/02/1980");
  std::memcpy(k.dogum_yer, "Ankara\0ZZZZZZZ", 14);
  koy(k.medenihal, "Evli");
  koy(k.guvence, "SSK");
  koy(k.kan_grubu, "A+");
  koy(k.adres, "Ataturk Cad. 5");
  koy(k.il, "Ankara");
  koy(k.ilce, "Cankaya");
  koy(k.telefon, "3121234567");
  return k;
}

const std::string YENI_KART =
    "\n12345678901 Ayse Yilmaz          K 01/02/1980 Ankara     Evli   A+        "
    "\n     Giris: (Yapilmadi)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (0.00 TL)"
    "\n  Iletisim: (Ataturk Cad. 5 Cankaya/Ankara) (Tel: 3121234567)"
    "\n\n";

// Admitted, discharged and examined; a birthplace longer than its column.
hasta muayeneli_hasta() {
  hasta k = bos_hasta();
  k.dolu = DOLU;
  koy(k.tckimlik, "123");
  koy(k.isim, "Mehmet Ali Oz");
  koy(k.cinsiyet, "E");
  koy(k.dogum_tarih, "15/06/1975");
  koy(k.dogum_yer, "Kahramanmaras");
  koy(k.medenihal, "Bekar");
  koy(k.guvence, "Yok");
  koy(k.kan_grubu, "0 Rh-");
  koy(k.adres, "Cumhuriyet Mah. 12 Sok. No 4");
  koy(k.il, "Kahramanmaras");
  koy(k.ilce, "Onikisubat");
  koy(k.telefon, "3442223344");
  koy(k.gtarih, "03/04/2024");
  koy(k.gsaat, "09:30");
  koy(k.bolum, "Dahiliye");
  koy(k.sikayet, "Ates");
  koy(k.teshis, "Grip");
  koy(k.ilaclar, "Parol");
  koy(k.sorumlu, "Dr. Can");
  koy(k.ctarih, "05/04/2024");
  koy(k.csaat, "14:15");
  k.ucret = 1234.5;
  return k;
}

const std::string MUAYENELI_KART =
    "\n        123 Mehmet Ali Oz        E 15/06/1975 Kahramanmaras Bekar  0 Rh-     "
    "\n     Giris: (03/04/2024 09:30) (Bolum: Dahiliye) (Sikayet: Ates)"
    "\n     Cikis: (05/04/2024 14:15) (Teshis: Grip) (Ilaclar: Parol)"
    "\n   Muayene: (Sorumlu: Dr. Can) (Guvence: Yok)"
    "\n     Ucret: (1234.50 TL)"
    "\n  Iletisim: (Cumhuriyet Mah. 12 Sok. No 4 Onikisubat/Kahramanmaras) (Tel: 3442223344)"
    "\n\n";

// Admitted, not discharged; a 19-character name; a negative balance whose
// encoding holds the byte 10; empty address and telephone.
hasta yatan_hasta() {
  hasta k = bos_hasta();
  k.dolu = DOLU;
  koy(k.tckimlik, "98765432109");
  koy(k.isim, "Abdurrahman Yildiri");
  koy(k.cinsiyet, "E");
  koy(k.dogum_tarih, "29/02/2000");
  koy(k.dogum_yer, "Izmir");
  koy(k.medenihal, "Dul");
  koy(k.guvence, "Bagkur");
  koy(k.kan_grubu, "AB Rh+");
  koy(k.il, "Izmir");
  koy(k.ilce, "Konak");
  koy(k.gtarih, "10/10/2024");
  koy(k.gsaat, "23:59");
  koy(k.bolum, "Acil");
  koy(k.sikayet, "Bas agrisi");
  k.ucret = -3.25;
  return k;
}

const std::string YATAN_KART =
    "\n98765432109 Abdurrahman Yildiri  E 29/02/2000 Izmir      Dul    AB Rh+    "
    "\n     Giris: (10/10/2024 23:59) (Bolum: Acil) (Sikayet: Bas agrisi)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (-3.25 TL)"
    "\n  Iletisim: ( Konak/Izmir) (Tel: )"
    "\n\n";

// The heading: 74 characters, no line break before it.
const std::string BASLIK =
    "TC KIMLIK   ISIM                 C D. TARIHI  D. YERI    M. HAL KAN G.    ";

// Three patients among a deleted slot, a record whose `dolu` is 2 and an
// incomplete tail.
std::string karisik_dosya() {
  hasta silinmis = bos_hasta();
  hasta iki = yeni_hasta();
  iki.dolu = 2;
  return bayt(yeni_hasta()) + bayt(silinmis) + bayt(muayeneli_hasta()) + bayt(iki) +
         bayt(yatan_hasta()) + bayt(yeni_hasta()).substr(0, 100);
}

const std::string KARISIK_RAPOR =
    BASLIK + YENI_KART + MUAYENELI_KART + YATAN_KART + "\n(Toplam 3 hasta kayitli)";

std::string rapor_ekrani(const std::string& ileti) {
  return ekran("HASTA LISTELEME") + ileti + DONUS;
}

std::string basarili() {
  return rapor_ekrani("\nRapor Basari ile Kaydedildi!");
}

TEST(RaporTest, HeadingIsSeventyFourCharacters) {
  EXPECT_EQ(BASLIK.size(), 74u);
}

TEST(RaporTest, WritesTheReportByteForByte) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, karisik_dosya());
  Sonuc s = c.calistir(oturum_girdisi("12\nx"));
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(basarili()));
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), KARISIK_RAPOR);
  // The patient file is only read.
  EXPECT_EQ(c.oku(HASTA_DOSYASI), karisik_dosya());
}

// The report's heading, cards and count line are the list screen's, for the
// same file, apart from the list's leading line break.
TEST(RaporTest, CardsEqualTheListScreen) {
  Calisma c;
  hasta uzun = muayeneli_hasta();
  koy(uzun.isim, std::string(19, 'U'));
  koy(uzun.adres, std::string(39, 'A'));
  uzun.ucret = 6.5;
  c.yaz(HASTA_DOSYASI, karisik_dosya() + bayt(uzun));
  Sonuc s = c.calistir(oturum_girdisi("4\nx12\ny"));
  ASSERT_EQ(s.durum, 0);
  const std::string liste_basi = ekran("HASTA LISTELEME");
  std::size_t bas = s.cikti.find(liste_basi);
  ASSERT_NE(bas, std::string::npos);
  bas += liste_basi.size();
  std::size_t son = s.cikti.find(DONUS, bas);
  ASSERT_NE(son, std::string::npos);
  std::string liste = s.cikti.substr(bas, son - bas);
  ASSERT_EQ(liste.substr(0, 1 + BASLIK.size()), "\n" + BASLIK);
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), liste.substr(1));
  EXPECT_NE(liste.find("\n(Toplam 4 hasta kayitli)"), std::string::npos);
  // And the report screen itself follows the list.
  EXPECT_EQ(s.cikti.substr(son + DONUS.size()), menu_ekrani() + basarili() + menu_ekrani());
}

// Without a patient in use the report still holds two lines; the screen
// says there are no patients.
TEST(RaporTest, WithoutPatients) {
  const std::string bos_rapor = BASLIK + "\n(Toplam 0 hasta kayitli)";
  for (const std::string& dosya :
       {std::string(), bayt(bos_hasta()) + bayt(bos_hasta()), std::string(375, '\0')}) {
    Calisma c;
    c.yaz(HASTA_DOSYASI, dosya);
    Sonuc s = c.calistir(oturum_girdisi("12\nx"));
    EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("\nKayitli Hasta Yok!"))) << dosya.size();
    EXPECT_EQ(c.oku(RAPOR_DOSYASI), bos_rapor) << dosya.size();
  }
}

TEST(RaporTest, WrittenTwiceGivesTheSameFile) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, karisik_dosya());
  Sonuc s = c.calistir(oturum_girdisi("12\nx12\ny"));
  EXPECT_EQ(s.cikti, oturum_ekrani(basarili() + menu_ekrani() + basarili()));
  std::string ilk = c.oku(RAPOR_DOSYASI);
  s = c.calistir(oturum_girdisi("12\nx"));
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), ilk);
  EXPECT_EQ(ilk, KARISIK_RAPOR);
}

// "w" empties the file: a longer earlier report leaves nothing behind.
TEST(RaporTest, ShorterReportLeavesNoTrailingBytes) {
  Calisma c;
  c.yaz(RAPOR_DOSYASI, std::string(20000, 'E'));
  c.yaz(HASTA_DOSYASI, bayt(yeni_hasta()));
  Sonuc s = c.calistir(oturum_girdisi("12\nx"));
  EXPECT_EQ(s.cikti, oturum_ekrani(basarili()));
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), BASLIK + YENI_KART + "\n(Toplam 1 hasta kayitli)");
}

TEST(RaporTest, MissingPatientFileLeavesEarlierReport) {
  Calisma c;
  c.yaz(RAPOR_DOSYASI, "ESKI RAPOR\n");
  Sonuc s = c.calistir(oturum_girdisi("12\nx"));
  EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("Dosya Acilamadi!")));
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), "ESKI RAPOR\n");
  EXPECT_FALSE(c.var(HASTA_DOSYASI));

  Calisma d;
  ASSERT_EQ(mkdir(d.yol(HASTA_DOSYASI).c_str(), 0755), 0);
  s = d.calistir(oturum_girdisi("12\nx"));
  EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("Dosya Acilamadi!")));
  EXPECT_FALSE(d.var(RAPOR_DOSYASI));
}

TEST(RaporTest, UnopenableReportPath) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, bayt(yeni_hasta()));
  ASSERT_EQ(mkdir(c.yol(RAPOR_DOSYASI).c_str(), 0755), 0);
  Sonuc s = c.calistir(oturum_girdisi("12\nx"));
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")));
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(yeni_hasta()));
}

// A report that cannot be written whole (a full disk) is not reported as
// saved.
TEST(RaporTest, FailedWriteIsNotReportedAsSaved) {
  for (long sinir : {0L, 100L, static_cast<long>(KARISIK_RAPOR.size()) - 1}) {
    Calisma c;
    c.yaz(HASTA_DOSYASI, karisik_dosya());
    Sonuc s = c.calistir(oturum_girdisi("12\nx"), 30, sinir);
    EXPECT_EQ(s.durum, 0);
    EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!"))) << sinir;
  }
  // Without patients as well: no "Kayitli Hasta Yok!" for a report that
  // was not written.
  Calisma c;
  c.yaz(HASTA_DOSYASI, "");
  Sonuc s = c.calistir(oturum_girdisi("12\nx"), 30, 10);
  EXPECT_EQ(s.cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")));
  // With exactly enough room the report is written whole.
  Calisma d;
  d.yaz(HASTA_DOSYASI, karisik_dosya());
  s = d.calistir(oturum_girdisi("12\nx"), 30, static_cast<long>(KARISIK_RAPOR.size()));
  EXPECT_EQ(s.cikti, oturum_ekrani(basarili()));
  EXPECT_EQ(d.oku(RAPOR_DOSYASI), KARISIK_RAPOR);
}

}  // namespace
