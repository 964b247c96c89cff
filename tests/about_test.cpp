// The About screen (menu 13): four lines below the header, the three labels
// padded to seven columns so that the values start in the ninth, then the
// return prompt, which any key answers.
#include <gtest/gtest.h>

#include "harness.h"
#include "screens.h"

namespace {

const std::string DORT_SATIR =
    "Palvo Yazilim Ekibi\n"
    "no:     2026-0001\n"
    "e-mail: destek@palvo.example\n"
    "web:    www.palvo.example\n";

TEST(About, Screen) {
  Calisma c;
  Sonuc s = c.calistir(oturum_girdisi("13\nx"));
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(ekran("HAKKINDA") + DORT_SATIR + DONUS));
  // It reads and writes no file.
  EXPECT_FALSE(c.var("palvo.hasta.dat"));
  EXPECT_FALSE(c.var("palvo.per.dat"));
  EXPECT_FALSE(c.var("palvo.arsiv.dat"));
  EXPECT_FALSE(c.var("palvo.rapor.txt"));
}

// Any key returns to the menu and is not taken as a choice.
TEST(About, AnyKey) {
  for (const std::string tus : {"x", "\n", " ", "\x1b", "4"}) {
    Calisma c;
    Sonuc s = c.calistir(oturum_girdisi("13\n" + tus));
    EXPECT_EQ(s.cikti, oturum_ekrani(ekran("HAKKINDA") + DORT_SATIR + DONUS)) << int(tus[0]);
  }
}

// Two choices on one line: the About screen after the list's return prompt.
TEST(About, AfterListOnSameLine) {
  Calisma c;
  Sonuc s = c.calistir(oturum_girdisi("4 13\nxy"));
  EXPECT_EQ(s.cikti, oturum_ekrani(ekran("HASTA LISTELEME") + "Dosya Acilamadi!" + DONUS +
                                   menu_ekrani() + ekran("HAKKINDA") + DORT_SATIR + DONUS));
}

}  // namespace
