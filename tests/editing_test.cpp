// Patient editing end to end (menu choice 2): the old-value lines and
// prompts, every field's rule, Enter keeping a field (social security then
// "Yok"), the patient's own number kept, another patient's number refused,
// and the record rewritten in its own slot with its visit fields and balance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

const std::vector<std::string> ESKI = {
    "Eski TC Kimlik No: ", "Eski Isim: ",      "Eski Cinsiyet: ",   "Eski Dogum Tarihi: ",
    "Eski Dogum Yeri: ",   "Eski Kan Grubu: ", "Eski Adres: ",      "Eski Il: ",
    "Eski Ilce: ",         "Eski Telefon: ",   "Eski Medeni Hal: ", "Eski Sosyal Guvence: ",
};
const std::vector<std::string> YENI = {
    "Yeni TC Kimlik No: ", "Yeni Isim: ",      "Yeni Cinsiyet: ",   "Yeni Dogum Tarihi: ",
    "Yeni Dogum Yeri: ",   "Yeni Kan Grubu: ", "Yeni Adres: ",      "Yeni Il: ",
    "Yeni Ilce: ",         "Yeni Telefon: ",   "Yeni Medeni Hal: ", "Yeni Sosyal Guvence: ",
};

std::string istem() {
  return bulma_istemi("HASTA DUZENLEME");
}

// The old-value line and the prompt of field `i`, `kez` times.
std::string sorular(const hasta& k, int i, std::size_t kez = 1) {
  std::string s;
  for (std::size_t n = 0; n < kez; ++n) {
    s += ESKI[static_cast<std::size_t>(i)] + kisisel_degerler(k)[static_cast<std::size_t>(i)] +
         "\n" + YENI[static_cast<std::size_t>(i)];
  }
  return s;
}

// All twelve fields asked once each, of a record whose values do not change
// before they are asked.
std::string tum_sorular(const hasta& k) {
  std::string s;
  for (int i = 0; i < 12; ++i) s += sorular(k, i);
  return s;
}

const hasta DIGER = hasta_kaydi("12345678901", "Ayse Kaya");

// A discharged patient with a balance whose encoding holds the byte 10, a
// name with leftovers behind its NUL, an empty blood group and a province
// that fills its field without a NUL.
hasta duzenlenen() {
  hasta k = taburcu(hasta_kaydi("33333333333", "Ali Veli Uzunisim"), 3.25);
  koy(k.isim, "Ali Veli");
  koy(k.kan_grubu, "");
  doldur(k.il, "Kahramanmarasmerkez1");
  return k;
}

TEST(Editing, AllEmpty) {
  Calisma c;
  hasta k = duzenlenen();
  std::string eski = dosya({DIGER, bos_kayit(), k, hasta_kaydi("44444444444", "Son Hasta")});
  c.yaz(HASTA, eski);
  hasta yeni = k;
  koy(yeni.guvence, "Yok");
  std::string beklenen_ekran = istem() + kart(k) + tum_sorular(k) +
                               liste_ekrani({DIGER, yeni, hasta_kaydi("44444444444", "Son Hasta")});
  ASSERT_NE(beklenen_ekran.find("Eski Kan Grubu: \nYeni Kan Grubu: "), std::string::npos);
  ASSERT_NE(beklenen_ekran.find("Eski Il: Kahramanmarasmerkez1\n"), std::string::npos);
  oturum(c, "2\n33333333333\n" + std::string(12, '\n') + "x", beklenen_ekran);
  std::string veri = c.oku(HASTA);
  EXPECT_EQ(veri.size(), eski.size());
  EXPECT_EQ(veri, dosya({DIGER, bos_kayit(), yeni, hasta_kaydi("44444444444", "Son Hasta")}));
  EXPECT_EQ(kayit_oku(veri, 2).ucret, 3.25);
}

TEST(Editing, YokKeepsTail) {
  Calisma c;
  hasta k = hasta_kaydi("33333333333", "Ali Veli");
  koy(k.guvence, "Bagkur");
  c.yaz(HASTA, dosya({k}));
  hasta yeni = k;
  koy(yeni.guvence, "Yok");
  ASSERT_EQ(std::string(yeni.guvence, 7), std::string("Yok\0ur\0", 7));
  oturum(c, "2\nali veli\n" + std::string(12, '\n') + "x",
         istem() + kart(k) + tum_sorular(k) + liste_ekrani({yeni}));
  EXPECT_EQ(c.oku(HASTA), dosya({yeni}));
}

class EditRule : public ::testing::TestWithParam<AlanDurumu> {};

TEST_P(EditRule, Asks) {
  const AlanDurumu& d = GetParam();
  hasta k = taburcu(hasta_kaydi("33333333333", "Ali Veli"), 6.5);
  hasta yeni = k;
  koy(yeni.guvence, "Yok");
  alana_koy(yeni, d.alan, d.saklanan);

  std::string girdi = "2\n33333333333\n";
  std::string ekranda = istem() + kart(k);
  for (int i = 0; i < 12; ++i) {
    if (i == d.alan) {
      girdi += satirlar(d.reddedilen) + d.kabul + "\n";
      ekranda += sorular(k, i, d.reddedilen.size() + 1);
    } else {
      girdi += "\n";
      ekranda += sorular(k, i);
    }
  }
  Calisma c;
  c.yaz(HASTA, dosya({DIGER, k}));
  oturum(c, girdi + "x", ekranda + liste_ekrani({DIGER, yeni}));
  EXPECT_EQ(c.oku(HASTA), dosya({DIGER, yeni}));
}

INSTANTIATE_TEST_SUITE_P(
    Case, EditRule,
    ::testing::Values(
        AlanDurumu{"IdentityNumber",
                   0,
                   {"1234567890", "1234567890a", "123456789012", std::string(25, '1'),
                    std::string(55, '1')},
                   "98765432109",
                   "98765432109"},
        AlanDurumu{"Name", 1, {"ali", "aliveli", "abcdefghij klmnopqrs"}, "veli ali", "Veli Ali"},
        AlanDurumu{"Sex", 2, {"Erkek", "x", "ek"}, "e", "E"},
        AlanDurumu{
            "BirthDate", 3, {"1/2/2000", "32/01/2000", "01/13/2000"}, "31/02/2000", "31/02/2000"},
        AlanDurumu{"BirthPlace", 4, {"a", std::string(20, 'a')}, "sivas", "Sivas"},
        AlanDurumu{"BloodGroup", 5, {"a", "abcdefghij"}, "ab rh-", "Ab Rh-"},
        AlanDurumu{"Address", 6, {"a", std::string(40, 'a')}, "yeni sokak 3", "Yeni Sokak 3"},
        AlanDurumu{"Province", 7, {"a"}, "van", "Van"},
        AlanDurumu{"District", 8, {"b"}, "ercis", "Ercis"},
        AlanDurumu{
            "Telephone", 9, {"0532123456", "1234", "12 345", "444-1234"}, "4441234", "4441234"},
        AlanDurumu{"MaritalStatus", 10, {"d", "bosanmis", "evli ", "abcdefghij"}, "dul", "Dul"},
        AlanDurumu{"SocialSecurity", 11, {"s", "abcdefghij"}, "bagkur", "Bagkur"},
        AlanDurumu{"ControlByteRefused", 1, {"ali\x1b veli"}, "ali veli", "Ali Veli"}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Editing, OwnNumber) {
  // Slots not in use that hold the number do not count either.
  hasta k = hasta_kaydi("33333333333", "Ali Veli");
  hasta silinmis = hasta_kaydi("33333333333", "Eski Kayit");
  silinmis.dolu = 0;
  hasta iki = hasta_kaydi("33333333333", "Garip Kayit");
  iki.dolu = 2;
  hasta yeni = k;
  koy(yeni.isim, "Veli Ali");
  koy(yeni.guvence, "Yok");
  Calisma c;
  c.yaz(HASTA, dosya({silinmis, k, iki}));
  oturum(c, "2\n33333333333\n33333333333\nveli ali\n" + std::string(10, '\n') + "x",
         istem() + kart(k) + tum_sorular(k) + liste_ekrani({yeni}));
  EXPECT_EQ(c.oku(HASTA), dosya({silinmis, yeni, iki}));
}

TEST(Editing, OthersNumber) {
  Calisma c;
  hasta k = hasta_kaydi("33333333333", "Ali Veli");
  std::string eski = dosya({DIGER, bos_kayit(), k});
  c.yaz(HASTA, eski);
  oturum(c, "2\n33333333333\n12345678901\nx",
         istem() + kart(k) + sorular(k, 0) + "Bu numara baska hastaya ait!" + DONUS);
  EXPECT_EQ(c.oku(HASTA), eski);
}

TEST(Editing, OwnNumberSharedRefused) {
  // Two patients in use with one number (written by other means): the first
  // is found, and its number belongs to the other one as well.
  Calisma c;
  hasta ikiz = hasta_kaydi("12345678901", "Ikiz Kayit");
  std::string eski = dosya({DIGER, ikiz});
  c.yaz(HASTA, eski);
  oturum(c, "2\n12345678901\n12345678901\nx",
         istem() + kart(DIGER) + sorular(DIGER, 0) + "Bu numara baska hastaya ait!" + DONUS);
  EXPECT_EQ(c.oku(HASTA), eski);
}

TEST(Editing, EarlierNamesake) {
  Calisma c;
  hasta ilk = hasta_kaydi("11111111111", "Ayse Kaya");
  hasta ikinci = hasta_kaydi("22222222222", "Ayse Kaya");
  c.yaz(HASTA, dosya({ilk, ikinci}));
  hasta yeni = ilk;
  koy(yeni.telefon, "5559876543");
  koy(yeni.guvence, "Yok");
  oturum(c, "2\nAYSE KAYA\n" + std::string(9, '\n') + "5559876543\n\n\nx",
         istem() + kart(ilk) + tum_sorular(ilk) + liste_ekrani({yeni, ikinci}));
  EXPECT_EQ(c.oku(HASTA), dosya({yeni, ikinci}));
}

TEST(Editing, AllChanged) {
  Calisma c;
  hasta k = taburcu(hasta_kaydi("33333333333", "Ali Veli"), -42.75);
  c.yaz(HASTA, dosya({k}));
  hasta yeni = k;
  std::vector<std::string> yazilan = {"55555555555", "zeynep su", "k",     "09/09/1999",
                                      "rize",        "b rh-",     "cay 1", "rize",
                                      "merkez",      "4641234",   "EVLI",  "emekli"};
  std::vector<std::string> saklanan = {"55555555555", "Zeynep Su", "K",     "09/09/1999",
                                       "Rize",        "B Rh-",     "Cay 1", "Rize",
                                       "Merkez",      "4641234",   "Evli",  "Emekli"};
  for (int i = 0; i < 12; ++i) alana_koy(yeni, i, saklanan[static_cast<std::size_t>(i)]);
  oturum(c, "2\n33333333333\n" + satirlar(yazilan) + "x",
         istem() + kart(k) + tum_sorular(k) + liste_ekrani({yeni}));
  std::string veri = c.oku(HASTA);
  EXPECT_EQ(veri, dosya({yeni}));
  // Visit fields and balance exactly as they were.
  EXPECT_EQ(veri.substr(216), bayt(k).substr(216));
}

TEST(Editing, NobodyOrNoFile) {
  Calisma c;
  std::string eski = dosya({DIGER});
  c.yaz(HASTA, eski);
  oturum(c, "2\nayse\nx", istem() + "Bulunamadi!" + DONUS);
  EXPECT_EQ(c.oku(HASTA), eski);
  acilamayan_dosya("2\n12345678901\nx", istem() + "Dosya Acilamadi!" + DONUS);
}

}  // namespace
