// The common patient lookup end to end, seen through the deletion screen
// answered with H (which writes nothing): exact identity numbers, whole names
// in any case, the earlier of two equal names, and everything that finds
// nobody.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

const hasta A = hasta_kaydi("12345678901", "Ayse Kaya");
const hasta B = hasta_kaydi("22222222222", "Ayse Kaya");
const hasta C = hasta_kaydi("01234567890", "Mehmet Ali Can");

hasta nulsuz() {
  hasta k = hasta_kaydi("77777777777", "x");
  doldur(k.isim, "Abcdefghij Klmnopqrs");  // followed by the sex "K"
  return k;
}

std::string dosya_verisi() {
  return dosya({bos_kayit(), A, kullanilmayan(hasta_kaydi("55555555555", "Silinmis Hasta")),
                kullanilmayan(hasta_kaydi("66666666666", "Iki Dolu"), 2), B, C, nulsuz()}) +
         bayt(hasta_kaydi("88888888888", "Yarim Kayit")).substr(0, 300);
}

std::string istem() {
  return bulma_istemi("HASTA SILME");
}

struct AramaDurumu {
  const char* ad;
  std::string yazilan;
  int bulunan;  // index into the patients in use, or -1
};

void PrintTo(const AramaDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Lookup : public ::testing::TestWithParam<AramaDurumu> {};

TEST_P(Lookup, Finds) {
  const AramaDurumu& d = GetParam();
  std::vector<hasta> kullanilan = {A, B, C, nulsuz()};
  Calisma c;
  c.yaz(HASTA, dosya_verisi());
  if (d.bulunan >= 0) {
    oturum(c, "3\n" + d.yazilan + "\nhx",
           istem() + kart(kullanilan[static_cast<std::size_t>(d.bulunan)]) +
               "Emin Misiniz (E-H): " + liste_ekrani(kullanilan));
  } else {
    oturum(c, "3\n" + d.yazilan + "\nx", istem() + "Bulunamadi!" + DONUS);
  }
  EXPECT_EQ(c.oku(HASTA), dosya_verisi());
}

INSTANTIATE_TEST_SUITE_P(
    Case, Lookup,
    ::testing::Values(AramaDurumu{"Number", "12345678901", 0},
                      AramaDurumu{"NumberOfTheLaterNamesake", "22222222222", 1},
                      AramaDurumu{"NumberWithLeadingZero", "01234567890", 2},
                      AramaDurumu{"StoredCaseEarlierSlot", "Ayse Kaya", 0},
                      AramaDurumu{"NameInLowerCase", "ayse kaya", 0},
                      AramaDurumu{"NameInCapitals", "AYSE KAYA", 0},
                      AramaDurumu{"NameInMixedCase", "aYSE kAYA", 0},
                      AramaDurumu{"ThreeWordName", "mehmet ali can", 2},
                      AramaDurumu{"NameFillingItsFieldWithoutNul", "abcdefghij klmnopqrs", 3},
                      AramaDurumu{"NameRunningIntoTheNextField", "abcdefghij klmnopqrsk", -1},
                      AramaDurumu{"BlankBeforeNumber", " 12345678901", -1},
                      AramaDurumu{"BlankAfterNumber", "12345678901 ", -1},
                      AramaDurumu{"EmptyLine", "", -1}, AramaDurumu{"PartOfName", "ayse", -1},
                      AramaDurumu{"PartOfNumber", "1234567890", -1},
                      AramaDurumu{"NumberWithOneDigitMore", "123456789012", -1},
                      AramaDurumu{"ExtraBlankInName", "ayse  kaya", -1},
                      AramaDurumu{"MissingBlankInName", "aysekaya", -1},
                      AramaDurumu{"BlankAfterName", "ayse kaya ", -1},
                      AramaDurumu{"DeletedNumber", "55555555555", -1},
                      AramaDurumu{"DeletedName", "silinmis hasta", -1},
                      AramaDurumu{"InUseFlagTwoNumber", "66666666666", -1},
                      AramaDurumu{"InUseFlagTwoName", "iki dolu", -1},
                      AramaDurumu{"IncompleteTail", "88888888888", -1},
                      AramaDurumu{"ControlByte", "ayse\x01 kaya", -1},
                      AramaDurumu{"FortyNineCharacters", std::string(49, 'a'), -1},
                      AramaDurumu{"LongerThanFortyNine", "ayse kaya" + std::string(60, ' '), -1},
                      AramaDurumu{"VeryLongLine", std::string(3000, '1'), -1}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(LookupFile, EmptyFile) {
  Calisma c;
  c.yaz(HASTA, "");
  oturum(c, "3\n12345678901\nx", istem() + "Bulunamadi!" + DONUS);
  EXPECT_EQ(c.boy(HASTA), 0);
}

TEST(LookupFile, NoFile) {
  {
    Calisma c;
    oturum(c, "3\n12345678901\nx", istem() + "Dosya Acilamadi!" + DONUS);
    EXPECT_FALSE(c.var(HASTA));
  }
  {
    Calisma c;
    ASSERT_EQ(mkdir(c.yol(HASTA).c_str(), 0755), 0);
    oturum(c, "3\nayse kaya\nx", istem() + "Dosya Acilamadi!" + DONUS);
  }
}

TEST(LookupFile, ReadOnlyFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root opens read-only files for writing";
  Calisma c;
  c.yaz(HASTA, dosya({A}));
  ASSERT_EQ(chmod(c.yol(HASTA).c_str(), 0444), 0);
  oturum(c, "3\n12345678901\nx", istem() + "Dosya Acilamadi!" + DONUS);
}

TEST(LookupFile, MenuLineRest) {
  Calisma c;
  c.yaz(HASTA, dosya({A}));
  oturum(c, "3 12345678901\nayse kaya\nhx",
         istem() + kart(A) + "Emin Misiniz (E-H): " + liste_ekrani({A}));
}

}  // namespace
