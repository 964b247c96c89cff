// Patient registration end to end: every field's rule at its boundary, the
// stored record byte for byte, the duplicate check, the file it creates or
// appends to, and the failures of opening and writing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "fault_kit.h"
#include "harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

const std::vector<std::string> ISTEMLER = {
    "TC Kimlik No: ",
    "Ad&Soyad: ",
    "Cinsiyet (Erkek:E Kadin:K): ",
    "Dogum Tarihi (Gun/Ay/Yil): ",
    "Dogum Yeri: ",
    "Kan Grubu: ",
    "Adres: ",
    "Il: ",
    "Ilce: ",
    "Telefon No (0 Olmadan): ",
    "Medeni Hal: ",
    "Sosyal Guvence: ",
};

// What is typed for each field when a case does not name it, and what is
// then stored.
const std::vector<std::string> YAZILAN = {"12345678901", "ali veli",   "e",     "01/02/2000",
                                          "ankara",      "ab rh+",     "cad 1", "ankara",
                                          "cankaya",     "5321234567", "evli",  ""};
const std::vector<std::string> SAKLANAN = {"12345678901", "Ali Veli",   "E",     "01/02/2000",
                                           "Ankara",      "Ab Rh+",     "Cad 1", "Ankara",
                                           "Cankaya",     "5321234567", "Evli",  "Yok"};

// The record a registration stores: all zero, then `dolu` and the twelve
// personal fields; visit fields empty and the balance 0.0.
hasta beklenen_kayit(int alan = -1, const std::string& deger = "") {
  std::vector<std::string> saklanan = SAKLANAN;
  if (alan >= 0) saklanan[static_cast<std::size_t>(alan)] = deger;
  return kayitli_hasta(saklanan);
}

// Menu choice 1, the answers, and the key for the return prompt.
std::string kayit_girdisi(const std::vector<std::string>& cevaplar) {
  return "1\n" + satirlar(cevaplar) + "x";
}

class Field : public ::testing::TestWithParam<AlanDurumu> {};

TEST_P(Field, Asks) {
  const AlanDurumu& d = GetParam();
  std::vector<std::string> cevaplar;
  std::string ekranda = ekran("HASTA EKLEME");
  for (int i = 0; i < 12; ++i) {
    if (i == d.alan) {
      for (const std::string& r : d.reddedilen) {
        cevaplar.push_back(r);
        ekranda += ISTEMLER[i];
      }
      cevaplar.push_back(d.kabul);
    } else {
      cevaplar.push_back(YAZILAN[i]);
    }
    ekranda += ISTEMLER[i];
  }
  Calisma c;
  ASSERT_FALSE(c.var(HASTA));
  oturum(c, kayit_girdisi(cevaplar), ekranda + DONUS);
  // The first registration creates the file with exactly this one record.
  EXPECT_EQ(c.oku(HASTA), bayt(beklenen_kayit(d.alan, d.saklanan)));
}

INSTANTIATE_TEST_SUITE_P(
    Case, Field,
    ::testing::Values(
        AlanDurumu{"IdentityTenTwelveLetterBlank",
                   0,
                   {"1234567890", "123456789012", "1234567890a", "12345 67890", ""},
                   "98765432109",
                   "98765432109"},
        AlanDurumu{"IdentityLeadingZero", 0, {}, "01234567890", "01234567890"},
        // Longer than the field holds: refused, never cut to 11 or 19.
        AlanDurumu{"IdentityOverCapacity",
                   0,
                   {"12345678901234567890123", "1234567890123456789", "12345678901 "},
                   "12345678901",
                   "12345678901"},
        AlanDurumu{"IdentityControlByte",
                   0,
                   {std::string("12345\x01") + "67890"},
                   "12345678901",
                   "12345678901"},
        AlanDurumu{"NameThreeAndNoBlank", 1, {"ali", "aliveli", "", "a b"}, "ab c", "Ab C"},
        AlanDurumu{"NameFourBlanks", 1, {}, "    ", "    "},
        AlanDurumu{"NameCapitals", 1, {}, "AHMET CAN", "Ahmet Can"},
        AlanDurumu{"NameNineteenFitsTwentyDoesNot",
                   1,
                   {"abcdefghij klmnopqrs"},
                   "abcdefghi klmnopqrs",
                   "Abcdefghi Klmnopqrs"},
        AlanDurumu{"SexRefused", 2, {"x", "", "Erkek", "ek", "M"}, "k", "K"},
        AlanDurumu{"SexCapital", 2, {}, "E", "E"},
        AlanDurumu{"BirthDateRules",
                   3,
                   {"1/2/2000", "32/01/2000", "01/13/2000", "12-05-2000", "01/02/20000", ""},
                   "31/02/2000",
                   "31/02/2000"},
        AlanDurumu{"BirthPlaceOneCharacter", 4, {"a", ""}, "istanbul", "Istanbul"},
        AlanDurumu{"BirthPlaceOverCapacity", 4, {"abcdefghijklmnopqrst"}, "ab", "Ab"},
        AlanDurumu{"BloodGroup", 5, {"a", "abcdefghij"}, "AB RH+", "Ab Rh+"},
        AlanDurumu{"BloodGroupNineCharacters", 5, {}, "abcdefghi", "Abcdefghi"},
        AlanDurumu{"AddressThirtyNineFitsFortyDoesNot",
                   6,
                   {"x", std::string(40, 'b')},
                   std::string(39, 'b'),
                   "B" + std::string(38, 'b')},
        AlanDurumu{"Province", 7, {"x"}, "bursa", "Bursa"},
        AlanDurumu{"District", 8, {"y"}, "nilufer", "Nilufer"},
        AlanDurumu{"TelephoneRules",
                   9,
                   {"05321234567", "1234", "532 1234", "532-1234", "", "53212345678901234567"},
                   "12345",
                   "12345"},
        AlanDurumu{"TelephoneNineteenDigits", 9, {}, "5321234567890123456", "5321234567890123456"},
        AlanDurumu{"MaritalStatusRefused",
                   10,
                   {"evli ", "e", "bosanmis", "", "evl", "d"},
                   "BEKAR",
                   "Bekar"},
        AlanDurumu{"MaritalStatusAnyCase", 10, {}, "eVlI", "Evli"},
        AlanDurumu{"MaritalStatusWidowed", 10, {}, "dul", "Dul"},
        AlanDurumu{"SocialSecurityOneCharacter", 11, {"s", " ", "abcdefghij"}, "ssk", "Ssk"},
        AlanDurumu{"SocialSecurityTwoBlanks", 11, {}, "  ", "  "},
        AlanDurumu{"SocialSecurityEmptyIsYok", 11, {}, "", "Yok"}),
    [](const auto& info) { return std::string(info.param.ad); });

// The registration screen with every prompt shown once, then `ileti` and the
// return prompt.
std::string ekle_ekrani(const std::string& ileti = "") {
  std::string s = ekran("HASTA EKLEME");
  for (const std::string& i : ISTEMLER) s += i;
  return s + ileti + DONUS;
}

TEST(Registration, ZeroBytes) {
  Calisma c;
  oturum(c, kayit_girdisi(YAZILAN), ekle_ekrani());
  std::string veri = c.oku(HASTA);
  ASSERT_EQ(veri.size(), 376u);
  hasta k = kayit_oku(veri, 0);
  EXPECT_EQ(k.dolu, 1);
  EXPECT_EQ(k.ucret, 0.0);
  for (const std::string& bos :
       {metin(k.ziyaret.gtarih), metin(k.ziyaret.gsaat), metin(k.ziyaret.bolum),
        metin(k.ziyaret.sikayet), metin(k.ziyaret.teshis), metin(k.ziyaret.ilaclar),
        metin(k.ziyaret.sorumlu), metin(k.ziyaret.ctarih), metin(k.ziyaret.csaat)}) {
    EXPECT_EQ(bos, "");
  }
  // Every byte after the name's NUL up to the birth date is zero, and so on:
  // the whole record equals the all-zero record with the texts put in.
  EXPECT_EQ(veri, bayt(beklenen_kayit()));
  EXPECT_EQ(veri.substr(24 + 8, 12), std::string(12, '\0'));  // behind "Ali Veli"
}

TEST(Registration, Appends) {
  Calisma c;
  std::string eski = dosya({hasta_kaydi("11111111111", "Ayse Kaya"), bos_kayit(),
                            hasta_kaydi("22222222222", "Can Demir")});
  c.yaz(HASTA, eski);
  oturum(c, kayit_girdisi(YAZILAN), ekle_ekrani());
  EXPECT_EQ(c.oku(HASTA), eski + bayt(beklenen_kayit()));
}

TEST(Registration, DuplicateNumber) {
  Calisma c;
  std::string eski = dosya({bos_kayit(), hasta_kaydi("11111111111", "Ayse Kaya"),
                            hasta_kaydi("12345678901", "Can Demir")});
  c.yaz(HASTA, eski);
  // The rest of the answers is never asked for: the return prompt takes the
  // key right after the identity number's line.
  oturum(c, "1\n12345678901\nx",
         ekran("HASTA EKLEME") + "TC Kimlik No: Bu hasta zaten kayitli!" + DONUS);
  EXPECT_EQ(c.oku(HASTA), eski);
}

TEST(Registration, FreeSlotNumbers) {
  Calisma c;
  hasta silinmis = hasta_kaydi("12345678901", "Eski Hasta");
  silinmis.dolu = 0;
  hasta iki = hasta_kaydi("12345678901", "Garip Kayit");
  iki.dolu = 2;
  std::string eski = dosya({bos_kayit(), silinmis, iki});
  c.yaz(HASTA, eski);
  oturum(c, kayit_girdisi(YAZILAN), ekle_ekrani());
  EXPECT_EQ(c.oku(HASTA), eski + bayt(beklenen_kayit()));
}

TEST(Registration, TwoInOneSession) {
  Calisma c;
  std::vector<std::string> ikinci = YAZILAN;
  ikinci[0] = "10987654321";
  ikinci[1] = "veli ali";
  std::string ekranda = ekle_ekrani();
  oturum(c, "1 abc\n" + satirlar(YAZILAN) + "x" + kayit_girdisi(ikinci),
         ekranda + menu_ekrani() + ekranda);
  hasta ikinci_kayit = beklenen_kayit(0, "10987654321");
  koy(ikinci_kayit.isim, "Veli Ali");
  EXPECT_EQ(c.oku(HASTA), bayt(beklenen_kayit()) + bayt(ikinci_kayit));
}

TEST(Registration, IncompleteTail) {
  Calisma c;
  std::string eski = bayt(hasta_kaydi("11111111111", "Ayse Kaya")) + std::string(100, '\xab');
  c.yaz(HASTA, eski);
  oturum(c, kayit_girdisi(YAZILAN), ekle_ekrani());
  EXPECT_EQ(c.oku(HASTA), eski + std::string(276, '\0') + bayt(beklenen_kayit()));
}

TEST(Registration, Unopenable) {
  Calisma c;
  ASSERT_EQ(mkdir(c.yol(HASTA).c_str(), 0755), 0);
  oturum(c, kayit_girdisi(YAZILAN), ekle_ekrani("Dosya Acilamadi!"));
}

TEST(Registration, WriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  // The disk is full at the file's current length, or a little beyond it,
  // so that only part of the record would fit.
  for (long sinir : {376L, 500L}) {
    Calisma c;
    std::string eski = bayt(hasta_kaydi("11111111111", "Ayse Kaya"));
    c.yaz(HASTA, eski);
    Sonuc s = oturum(c, kayit_girdisi(YAZILAN), sinir);
    EXPECT_EQ(s.cikti, oturum_ekrani(ekle_ekrani("Kayit Yazilamadi!"))) << sinir;
    EXPECT_EQ(c.oku(HASTA), eski) << sinir;
  }
}

// The first patient of a new file is written only once the file's name is on
// disk too: the record's sync or the folder's fails, and the clerk is told
// and the file is left empty.
TEST(Registration, FirstRecordWaitsForTheName) {
  WINDOWS_DISI("preloaded fault library");
  for (const char* hangisi : {"1", "2"}) {
    Calisma c;
    ariza::Ariza a({{"SIM_ESITLE_HATASI", hangisi}});
    EXPECT_EQ(oturum(c, kayit_girdisi(YAZILAN)).cikti,
              oturum_ekrani(ekle_ekrani("Kayit Yazilamadi!")))
        << hangisi;
    EXPECT_EQ(c.boy(HASTA), 0) << hangisi;
  }
}

TEST(Registration, EndHalfway) {
  Calisma c;
  Sonuc s = c.calistir(giris_girdisi() + "1\n12345678901\nali veli\n");
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, giris_ekrani() + menu_ekrani() + ekran("HASTA EKLEME") + ISTEMLER[0] +
                         ISTEMLER[1] + ISTEMLER[2]);
  EXPECT_FALSE(c.var(HASTA));
}

}  // namespace
