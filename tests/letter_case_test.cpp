// The case rules: capital after every blank, and lower case for comparing.
#include "input/letter_case.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Durum {
  std::string once;
  std::string sonra;
};
void PrintTo(const Durum& d, std::ostream* os) {
  *os << '"' << d.once << '"';
}

class Ilkharf : public ::testing::TestWithParam<Durum> {};
TEST_P(Ilkharf, Words) {
  std::string s = GetParam().once;
  ilkharf(s.data());
  EXPECT_EQ(s, GetParam().sonra);
  ilkharf(s.data());
  EXPECT_EQ(s, GetParam().sonra) << "a second application changes nothing";
}
INSTANTIATE_TEST_SUITE_P(
    Case, Ilkharf,
    ::testing::Values(Durum{"", ""}, Durum{"x", "X"}, Durum{"aHMET yILMAZ", "Ahmet Yilmaz"},
                      Durum{"ali  veli", "Ali  Veli"}, Durum{" ali", " Ali"}, Durum{"ali ", "Ali "},
                      Durum{"ali-veli", "Ali-veli"}, Durum{"34abc", "34abc"},
                      Durum{"AB RH+", "Ab Rh+"}, Durum{"EVLI", "Evli"}, Durum{"e", "E"},
                      Durum{"ali\tveli", "Ali\tveli"}, Durum{"o'NEIL", "O'neil"},
                      Durum{"a/B", "A/b"},
                      // bytes above 127 are letters of the console's code page: untouched
                      Durum{"\xc7"
                            "ALI \xfe"
                            "EN",
                            "\xc7"
                            "ali \xfe"
                            "en"},
                      Durum{"\xe7irkin", "\xe7irkin"},
                      // Turkish letters pair up too: AYŞE GÜLER, şÜKRÜ öZTÜRK,
                      // İZMİR, ıŞIK (İ lowers and ı raises to ASCII).
                      Durum{"AY\x9e"
                            "E G\x9a"
                            "LER",
                            "Ay\x9f"
                            "e G\x81"
                            "ler"},
                      Durum{"\x9f\x9aKR\x9a \x94Z\x9aRK", "\x9e\x81kr\x81 \x99z\x81rk"},
                      Durum{"\x98ZM\x98R", "\x98zmir"}, Durum{"\x8d\x9eIK", "I\x9fik"},
                      // ß, µ and ÿ have no partner in the code page.
                      Durum{"\xe1\xe6\xed", "\xe1\xe6\xed"}));

class Kucult : public ::testing::TestWithParam<Durum> {};
TEST_P(Kucult, Lowers) {
  std::string s = GetParam().once;
  kucult(s.data());
  EXPECT_EQ(s, GetParam().sonra);
}
INSTANTIATE_TEST_SUITE_P(
    Case, Kucult,
    ::testing::Values(Durum{"ALI VELI", "ali veli"}, Durum{"", ""}, Durum{"12 AB-C", "12 ab-c"},
                      Durum{"\xc7\xdd\xde", "\xc6\xdd\xec"},
                      // every i alike: IŞIK, ışık, Işık, İZMİR
                      Durum{"I\x9eIK", "i\x9fik"}, Durum{"\x8d\x9f\x8dk", "i\x9fik"},
                      Durum{"I\x9f\x8dk", "i\x9fik"}, Durum{"\x98ZM\x98R", "izmir"},
                      Durum{"Zz@[`{", "zz@[`{"}));

}  // namespace
