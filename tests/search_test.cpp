// Patient search end to end (menu choice 7): the word of at least two
// characters, parts of names anywhere in any case, digits against whole
// identity numbers only, every match in file order, and "Bulunamadi!".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

const std::string ISTEM = "Kelime (En az 2 harf): ";

hasta nulsuz() {
  hasta k = hasta_kaydi("66666666666", "x");
  doldur(k.isim, "Abcdefghij Klmnopqrs");
  koy(k.cinsiyet, "E");
  return k;
}

// The patients in use, in file order.
const std::vector<hasta> HASTALAR = {
    hasta_kaydi("12345678901", "Ayse Kaya"),
    taburcu(hasta_kaydi("22222222222", "Mehmet Ali Can"), 3.25),
    hasta_kaydi("33333333333", "Aliye Veli"),
    taburcu(hasta_kaydi("44444444444", "Oda 12 Ali"), 6.5),
    hasta_kaydi("55555555555", "Ali  Veli"),
    nulsuz(),
    hasta_kaydi("10000000001", "\x99zt\x81rk Can"),  // Öztürk Can
    hasta_kaydi("10000000002", "I\x9f\x8dk Deniz"),  // Işık Deniz
};

std::string dosya_verisi() {
  const std::vector<hasta>& h = HASTALAR;
  return dosya({bos_kayit(), h[0], h[1], kullanilmayan(hasta_kaydi("77777777777", "Ali Silinmis")),
                kullanilmayan(hasta_kaydi("88888888888", "Ali Iki"), 2), h[2], h[3], h[4], h[5],
                h[6], h[7]}) +
         bayt(hasta_kaydi("99999999999", "Ali Yarim")).substr(0, 100);
}

struct AramaDurumu {
  const char* ad;
  std::vector<std::string> satirlar;  // the last one is the word searched for
  std::vector<int> bulunan;           // indexes into HASTALAR
};

void PrintTo(const AramaDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Search : public ::testing::TestWithParam<AramaDurumu> {};

TEST_P(Search, Finds) {
  const AramaDurumu& d = GetParam();
  std::string ekranda = ekran("HASTA ARA");
  for (std::size_t i = 0; i < d.satirlar.size(); ++i) ekranda += ISTEM;
  for (int i : d.bulunan) ekranda += kart(HASTALAR[static_cast<std::size_t>(i)]);
  if (d.bulunan.empty()) ekranda += "Bulunamadi!";
  Calisma c;
  c.yaz(HASTA, dosya_verisi());
  oturum(c, "7\n" + satirlar(d.satirlar) + "x", ekranda + DONUS);
  EXPECT_EQ(c.oku(HASTA), dosya_verisi()) << "the search only reads";
}

INSTANTIATE_TEST_SUITE_P(
    Case, Search,
    ::testing::Values(
        AramaDurumu{"PartAtStartMiddleAndEnd", {"ali"}, {1, 2, 3, 4}},
        AramaDurumu{"Capitals", {"ALI"}, {1, 2, 3, 4}}, AramaDurumu{"StartOfName", {"ays"}, {0}},
        AramaDurumu{"EndOfName", {"kaya"}, {0}}, AramaDurumu{"AcrossTheBlank", {"se ka"}, {0}},
        AramaDurumu{"SeveralMatches", {"VeLi"}, {2, 4}},
        AramaDurumu{"BlankBeforeIsPartOfTheWord", {" veli"}, {2, 4}},
        AramaDurumu{"BlankAfterIsPartOfTheWord", {"veli "}, {}},
        AramaDurumu{"TwoBlanksAreAWord", {"  "}, {4}},
        // Turkish letters in either case; I, ı and İ are one letter.
        AramaDurumu{"TurkishCapitals", {"\x99ZT\x9aRK"}, {6}},
        AramaDurumu{"TurkishSmall", {"\x94zt\x81rk"}, {6}},
        AramaDurumu{"EveryKindOfI", {"I\x9eIK"}, {7}},
        AramaDurumu{"DotlessI", {"\x8d\x9f\x8dk"}, {7}},
        AramaDurumu{"WholeNumber", {"22222222222"}, {1}},
        AramaDurumu{"NumberWithLeadingDigitsOnly", {"1234567890"}, {}},
        AramaDurumu{"DigitsAreNeverLookedForInNames", {"12"}, {}},
        AramaDurumu{"DigitsAndLettersAreAName", {"a 12"}, {3}},
        AramaDurumu{"NumberWithBlankIsAName", {"12345678901 "}, {}},
        AramaDurumu{"DeletedAndInUseTwoNeverMatch", {"silinmis"}, {}},
        AramaDurumu{"InUseFlagTwo", {"ali iki"}, {}},
        AramaDurumu{"NumberOfAFreeSlot", {"77777777777"}, {}},
        AramaDurumu{"IncompleteTailNeverMatches", {"yarim"}, {}},
        AramaDurumu{"NameFillingItsField", {"klmnopqrs"}, {5}},
        AramaDurumu{"NothingReadPastTheName", {"rse"}, {}},
        AramaDurumu{"FewerThanTwoCharactersRepeat", {"", "a", "1", " ", "kaya"}, {0}},
        AramaDurumu{"ControlByteRepeats", {"ka\x01ya", "kaya"}, {0}},
        AramaDurumu{"FortyNineCharacters", {std::string(49, 'a')}, {}},
        AramaDurumu{"LongerThanFortyNineFindsNobody", {"ali" + std::string(60, 'x')}, {}},
        AramaDurumu{"LongDigitLineFindsNobody", {std::string(80, '1')}, {}},
        AramaDurumu{"VeryLongLineFindsNobody", {std::string(3000, 'a')}, {}}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(SearchFile, EmptyFile) {
  Calisma c;
  c.yaz(HASTA, "");
  oturum(c, "7\nali\nx", ekran("HASTA ARA") + ISTEM + "Bulunamadi!" + DONUS);
}

TEST(SearchFile, NoFile) {
  acilamayan_dosya("7\nali\nx", ekran("HASTA ARA") + ISTEM + "Dosya Acilamadi!" + DONUS);
}

TEST(SearchFile, MenuLineRest) {
  Calisma c;
  c.yaz(HASTA, dosya_verisi());
  oturum(c, "7 ali\nkaya\nx", ekran("HASTA ARA") + ISTEM + kart(HASTALAR[0]) + DONUS);
}

}  // namespace
