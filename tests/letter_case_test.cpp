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
                      Durum{"\xe7irkin", "\xe7irkin"}));

class Kucult : public ::testing::TestWithParam<Durum> {};
TEST_P(Kucult, AsciiOnly) {
  std::string s = GetParam().once;
  kucult(s.data());
  EXPECT_EQ(s, GetParam().sonra);
}
INSTANTIATE_TEST_SUITE_P(Case, Kucult,
                         ::testing::Values(Durum{"ALI VELI", "ali veli"}, Durum{"", ""},
                                           Durum{"12 AB-C", "12 ab-c"},
                                           Durum{"\xc7\xdd\xde", "\xc7\xdd\xde"},
                                           Durum{"Zz@[`{", "zz@[`{"}));

}  // namespace
