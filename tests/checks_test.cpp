// The three existence checks on real files in a scratch working directory:
// only records in use count, keys are compared exactly and whole, nothing is
// read past a field, and a file that cannot be opened holds no records.
#include "store/checks.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "registry_kit.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

using namespace kayitlar;

// Works inside a fresh directory and goes back where it was afterwards.
class Klasorde : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(eski_, sizeof eski_), nullptr);
    ASSERT_EQ(chdir(c_.dizin().c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(eski_), 0); }

  Calisma c_;

 private:
  char eski_[PATH_MAX];
};

struct Soru {
  std::string anahtar;
  int cevap;
};

using PatientCheck = Klasorde;

TEST_F(PatientCheck, WholeNumberInUse) {
  hasta silinmis = hasta_kaydi("55555555555", "Silinmis Hasta");
  silinmis.dolu = 0;
  hasta iki = hasta_kaydi("66666666666", "Iki Dolu");
  iki.dolu = 2;
  hasta bos_numara = hasta_kaydi("x", "Bos Numara");
  koy(bos_numara.tckimlik, "");
  bos_numara.dolu = 5;  // not in use: the empty number is not held
  hasta uzun = hasta_kaydi("x", "x");
  doldur(uzun.tckimlik, "12121212121212121212");
  koy(uzun.isim, "3 Ali");  // what follows the field must not count
  c_.yaz(HASTA, dosya({bos_kayit(), hasta_kaydi("12345678901", "Ayse Kaya"), silinmis, iki,
                       bos_numara, uzun, hasta_kaydi("01234567890", "Son Hasta")}) +
                    bayt(hasta_kaydi("88888888888", "Yarim")).substr(0, 375));
  for (const Soru& s : std::vector<Soru>{{"12345678901", 1},
                                         {"01234567890", 1},
                                         {"12121212121212121212", 1},
                                         {"12121212121212121212"
                                          "3",
                                          0},
                                         {"1212121212121212121", 0},
                                         {"55555555555", 0},
                                         {"66666666666", 0},
                                         {"88888888888", 0},
                                         {"", 0},
                                         {"1234567890", 0},
                                         {"123456789012", 0},
                                         {" 12345678901", 0},
                                         {"12345678901 ", 0}}) {
    EXPECT_EQ(kontroltc(s.anahtar.c_str()), s.cevap) << "'" << s.anahtar << "'";
  }
}

TEST_F(PatientCheck, EmptyNumber) {
  hasta k = hasta_kaydi("x", "Bos Numara");
  koy(k.tckimlik, "");
  c_.yaz(HASTA, dosya({k}));
  EXPECT_EQ(kontroltc(""), 1);
  EXPECT_EQ(kontroltc("12345678901"), 0);
}

TEST_F(PatientCheck, NoFile) {
  EXPECT_EQ(kontroltc("12345678901"), 0);
  EXPECT_FALSE(c_.var(HASTA)) << "the check never creates the file";
  c_.yaz(HASTA, "");
  EXPECT_EQ(kontroltc(""), 0);
  ASSERT_EQ(std::remove(HASTA.c_str()), 0);
  ASSERT_EQ(mkdir(HASTA.c_str(), 0755), 0);
  EXPECT_EQ(kontroltc("12345678901"), 0);
}

TEST_F(PatientCheck, ReadOnlyFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root opens read-only files for writing";
  c_.yaz(HASTA, dosya({hasta_kaydi("12345678901", "Ayse Kaya")}));
  ASSERT_EQ(chmod(HASTA.c_str(), 0444), 0);
  EXPECT_EQ(kontroltc("12345678901"), 0);
}

TEST_F(PatientCheck, OtherStreamKept) {
  c_.yaz(HASTA, dosya({hasta_kaydi("11111111111", "Bir"), hasta_kaydi("12345678901", "Iki")}));
  Dosya d = dosya_ac(HASTA.c_str(), AcmaKipi::guncelle);
  ASSERT_TRUE(d);
  ASSERT_EQ(std::fseek(d.akis(), 376, SEEK_SET), 0);
  // The number of the record the stream stands at counts too.
  EXPECT_EQ(kontroltc("12345678901"), 1);
  EXPECT_EQ(std::ftell(d.akis()), 376);
  hasta k;
  ASSERT_EQ(std::fread(&k, sizeof k, 1, d.akis()), 1u);
  EXPECT_EQ(metin(k.tckimlik), "12345678901");
}

using StaffCheck = Klasorde;

TEST_F(StaffCheck, ExactAndInUse) {
  personel uzun = hesap("x", "x");
  doldur(uzun.isim, "Uzun Isimli Personel");
  doldur(uzun.sifre, "abcdefghijklmnopqrst");
  std::string veri =
      dosya({hesap("", "", 0), hesap("Ahmet", "gizli"), hesap("Silinen", "x", 0),
             hesap("Iki", "y", 2), hesap("ayse kaya", "Parola1"), hesap("Ahmet", "ikinci"), uzun});
  c_.yaz("palvo.per.dat", veri + std::string(43, '\x01'));

  for (const Soru& s : std::vector<Soru>{{"Ahmet", 1},
                                         {"ayse kaya", 1},
                                         {"Uzun Isimli Personel", 1},
                                         {"Uzun Isimli Persone", 0},
                                         {"ahmet", 0},
                                         {"AHMET", 0},
                                         {"Ahmet ", 0},
                                         {"Ahme", 0},
                                         {"Silinen", 0},
                                         {"Iki", 0},
                                         {"", 0}}) {
    EXPECT_EQ(kontrolism(s.anahtar.c_str()), s.cevap) << "'" << s.anahtar << "'";
  }

  struct Ikili {
    const char* isim;
    std::string sifre;
    int cevap;
  };
  for (const Ikili& s : std::vector<Ikili>{{"Ahmet", "gizli", 1},
                                           {"Ahmet", "ikinci", 1},  // the later namesake
                                           {"ayse kaya", "Parola1", 1},
                                           {"Uzun Isimli Personel", "abcdefghijklmnopqrst", 1},
                                           {"Uzun Isimli Personel", "abcdefghijklmnopqrs", 0},
                                           {"Ahmet", "Gizli", 0},
                                           {"Ahmet", "gizl", 0},
                                           {"Ahmet", "gizlii", 0},
                                           {"AHMET", "gizli", 0},
                                           {"Ahmet ", "gizli", 0},
                                           {"ayse kaya", "gizli", 0},
                                           {"Silinen", "x", 0},
                                           {"Iki", "y", 0},
                                           {"", "", 0}}) {
    EXPECT_EQ(kontrolsfr(s.isim, s.sifre.c_str()), s.cevap) << s.isim << " / " << s.sifre;
  }
}

TEST_F(StaffCheck, NoFile) {
  EXPECT_EQ(kontrolism("nobet"), 0);
  EXPECT_EQ(kontrolsfr("nobet", "nobet"), 0);
  EXPECT_FALSE(c_.var("palvo.per.dat"));
  ASSERT_EQ(mkdir("palvo.per.dat", 0755), 0);
  EXPECT_EQ(kontrolism("nobet"), 0);
  EXPECT_EQ(kontrolsfr("nobet", "nobet"), 0);
}

}  // namespace
