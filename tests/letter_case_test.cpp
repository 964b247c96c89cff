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
                      // a later word's İ keeps its dot too: ALİ İNCE
                      Durum{"AL\x98 \x98NCE", "Ali \x98nce"},
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

// The 29 case pairs of code page 857 beyond ASCII, from its published
// character assignments: capital, small. Each word of two letters, small then
// capital, comes out capital then small; kucult lowers the capital.
struct Cift {
  unsigned char buyuk;
  unsigned char kucuk;
};
void PrintTo(const Cift& c, std::ostream* os) {
  *os << std::hex << "0x" << int{c.buyuk} << "/0x" << int{c.kucuk};
}

class Ciftler : public ::testing::TestWithParam<Cift> {};
TEST_P(Ciftler, Pairs) {
  const char buyuk = static_cast<char>(GetParam().buyuk);
  const char kucuk = static_cast<char>(GetParam().kucuk);
  std::string s{kucuk, buyuk};
  ilkharf(s.data());
  EXPECT_EQ(s, (std::string{buyuk, kucuk}));
  s = {buyuk, kucuk};
  kucult(s.data());
  EXPECT_EQ(s, (std::string{kucuk, kucuk}));
}
INSTANTIATE_TEST_SUITE_P(Case, Ciftler,
                         ::testing::Values(Cift{0x80, 0x87},    // Ç ç
                                           Cift{0x8E, 0x84},    // Ä ä
                                           Cift{0x8F, 0x86},    // Å å
                                           Cift{0x90, 0x82},    // É é
                                           Cift{0x92, 0x91},    // Æ æ
                                           Cift{0x99, 0x94},    // Ö ö
                                           Cift{0x9A, 0x81},    // Ü ü
                                           Cift{0x9D, 0x9B},    // Ø ø
                                           Cift{0x9E, 0x9F},    // Ş ş
                                           Cift{0xA5, 0xA4},    // Ñ ñ
                                           Cift{0xA6, 0xA7},    // Ğ ğ
                                           Cift{0xB5, 0xA0},    // Á á
                                           Cift{0xB6, 0x83},    // Â â
                                           Cift{0xB7, 0x85},    // À à
                                           Cift{0xC7, 0xC6},    // Ã ã
                                           Cift{0xD2, 0x88},    // Ê ê
                                           Cift{0xD3, 0x89},    // Ë ë
                                           Cift{0xD4, 0x8A},    // È è
                                           Cift{0xD6, 0xA1},    // Í í
                                           Cift{0xD7, 0x8C},    // Î î
                                           Cift{0xD8, 0x8B},    // Ï ï
                                           Cift{0xDE, 0xEC},    // Ì ì
                                           Cift{0xE0, 0xA2},    // Ó ó
                                           Cift{0xE2, 0x93},    // Ô ô
                                           Cift{0xE3, 0x95},    // Ò ò
                                           Cift{0xE5, 0xE4},    // Õ õ
                                           Cift{0xE9, 0xA3},    // Ú ú
                                           Cift{0xEA, 0x96},    // Û û
                                           Cift{0xEB, 0x97}));  // Ù ù

}  // namespace
