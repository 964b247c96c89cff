// The main menu end to end: its screen byte for byte, the choices that end
// the program, redraw it, or are read from the rest of a line.
#include <gtest/gtest.h>

#include "harness.h"
#include "screens.h"

namespace {

std::string liste_yok() {
  return ekran("HASTA LISTELEME") + "Dosya Acilamadi!" + DONUS;
}

struct MenuDurumu {
  const char* ad;
  std::string govde;     // typed after the login
  std::string beklenen;  // shown after the login screen
};

void PrintTo(const MenuDurumu& d, std::ostream* os) {
  *os << d.ad;
}

// The About screen with its return prompt.
std::string hakkinda() {
  return ekran("HAKKINDA") +
         "Palvo Yazilim Ekibi\nno:     2026-0001\ne-mail: destek@palvo.example\n" +
         "web:    www.palvo.example\n" + DONUS;
}

class Menu : public ::testing::TestWithParam<MenuDurumu> {};

TEST_P(Menu, Screens) {
  Calisma c;
  Sonuc s = c.calistir(giris_girdisi() + GetParam().govde);
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, giris_ekrani() + GetParam().beklenen);
}

INSTANTIATE_TEST_SUITE_P(
    Case, Menu,
    ::testing::Values(
        MenuDurumu{"Fourteen", "14\n", menu_ekrani()},
        MenuDurumu{"FourteenAfterBlanksAndLines", "   \n\n  14\n", menu_ekrani()},
        MenuDurumu{"FourteenWithTextBehind", "14 abc\n", menu_ekrani()},
        MenuDurumu{"FourteenWithoutLineEnd", "14", menu_ekrani()},
        MenuDurumu{"ZeroRedraws", "0\n14\n", menu_ekrani() + menu_ekrani()},
        MenuDurumu{"FifteenRedraws", "15\n14\n", menu_ekrani() + menu_ekrani()},
        MenuDurumu{"NinetyNineRedraws", "99\n14\n", menu_ekrani() + menu_ekrani()},
        MenuDurumu{"NegativeRedraws", "-1\n-14\n14\n",
                   menu_ekrani() + menu_ekrani() + menu_ekrani()},
        // A line of letters redraws once, then the menu waits for new input.
        MenuDurumu{"LettersRedrawOnce", "abc def\n14\n", menu_ekrani() + menu_ekrani()},
        MenuDurumu{"PointRedrawsOnce", ".5\n14\n", menu_ekrani() + menu_ekrani()},
        MenuDurumu{"SignAloneRedrawsOnce", "- 4\n14\n", menu_ekrani() + menu_ekrani()},
        // 2^32 + 1 must not wrap around to choice 1, nor 2^32 + 14 to 14.
        MenuDurumu{"HugeNumberSaturates", "4294967297\n4294967310\n14\n",
                   menu_ekrani() + menu_ekrani() + menu_ekrani()},
        MenuDurumu{"HugeNegativeSaturates", "-4294967283\n14\n", menu_ekrani() + menu_ekrani()},
        // The list reads no line: its return prompt takes the byte after the
        // current line, and the menu then takes 14 from the rest of that line.
        MenuDurumu{"TwoChoicesOnOneLine", "4 14\nx", menu_ekrani() + liste_yok() + menu_ekrani()},
        // A choice left on a line that fit the buffer is taken; the rest of
        // a longer line is dropped whole, never read from its last part.
        MenuDurumu{"AboutTwiceFromOneLine", "13 13\nxx\n14\n",
                   menu_ekrani() + hakkinda() + menu_ekrani() + hakkinda() + menu_ekrani()},
        MenuDurumu{"AboutOnceFromALongLine", "13" + std::string(1021, ' ') + "13\nxx\n14\n",
                   menu_ekrani() + hakkinda() + menu_ekrani() + menu_ekrani()},
        MenuDurumu{"ListTwice", "4\nx4\ny14\n",
                   menu_ekrani() + liste_yok() + menu_ekrani() + liste_yok() + menu_ekrani()},
        // End of input at the menu ends the program.
        MenuDurumu{"EndOfInputAtMenu", "", menu_ekrani()},
        MenuDurumu{"EndOfInputAtReturnPrompt", "4\n", menu_ekrani() + liste_yok()}),
    [](const auto& info) { return std::string(info.param.ad); });

// Every line of the menu as the program draws it is 46 characters wide.
TEST(Menu, LineWidth) {
  Calisma c;
  std::string m = c.calistir(oturum_girdisi("")).cikti;
  std::size_t bas = m.find("===== ANA MENU =====\n");
  ASSERT_NE(bas, std::string::npos);
  bas = m.find('\n', bas) + 1;
  for (int satir = 0; satir < 7; ++satir) {
    std::size_t son = m.find('\n', bas);
    ASSERT_NE(son, std::string::npos);
    EXPECT_EQ(son - bas, 46u) << "line " << satir;
    bas = son + 1;
  }
  EXPECT_EQ(m.substr(bas, 12), "\nSeciminiz: ");
}

TEST(Menu, EndAtLogin) {
  Calisma c;
  Sonuc s = c.calistir("nob");
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, ekran_girissiz("UYE GIRISI") + "Kullanici Adi: Sifre: ");
}

}  // namespace
