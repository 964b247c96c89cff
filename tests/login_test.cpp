// The login screen end to end: which name and password pairs are accepted,
// the asterisks of the blind password entry, Backspace, the error lines after
// a refused attempt, the session name in the headers, and on a real terminal
// that the password is never echoed.
#include <gtest/gtest.h>
#include <termios.h>

#include "harness.h"
#include "pty_harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using kayit_kiti::hesap;
using kayit_kiti::tek_tus_kipini_bekle;
using kayit_kiti::TEMIZLE;

struct GirisDurumu {
  const char* ad;
  std::string personel_dosyasi;  // "" for no staff file
  std::string isim;              // the name line, without its line end
  std::string tuslar;            // the password keys, Enter included
  std::size_t yildiz;            // asterisks the attempt shows
  bool kabul;
};

void PrintTo(const GirisDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Login : public ::testing::TestWithParam<GirisDurumu> {};

// An accepted attempt is followed by the menu under the typed name; a refused
// one by the login screen with the error lines, where the built-in account
// then logs in.
TEST_P(Login, Attempt) {
  const GirisDurumu& d = GetParam();
  Calisma c;
  if (!d.personel_dosyasi.empty()) c.yaz(PERSONEL_DOSYASI, d.personel_dosyasi);
  std::string girdi = d.isim + "\n" + d.tuslar;
  std::string beklenen =
      ekran_girissiz("UYE GIRISI") + "Kullanici Adi: Sifre: " + std::string(d.yildiz, '*');
  if (d.kabul) {
    beklenen += menu_ekrani(d.isim);
  } else {
    girdi += giris_girdisi();
    beklenen += giris_ekrani(6, true) + menu_ekrani();
  }
  Sonuc s = c.calistir(girdi + "14\n");
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, beklenen);
  // The login only reads: no file is created.
  EXPECT_EQ(c.var(PERSONEL_DOSYASI), !d.personel_dosyasi.empty());
  EXPECT_FALSE(c.var(HASTA_DOSYASI));
}

const std::string AYSE = bayt(hesap("ayse", "gizli"));
const std::string NOBET_HESABI = bayt(hesap("nobet", "ozel"));
const std::string BASKASI = bayt(hesap("Mehmet", "parola1"));

INSTANTIATE_TEST_SUITE_P(
    Case, Login,
    ::testing::Values(
        // First start without any data file.
        GirisDurumu{"BuiltInWithoutFiles", "", "nobet", "nobet\n", 6, true},
        GirisDurumu{"OtherNameWithoutFiles", "", "ali", "nobet\n", 6, false},
        GirisDurumu{"BuiltInWrongPassword", "", "nobet", "nobe\n", 5, false},
        GirisDurumu{"EmptyNameAndPassword", "", "", "\n", 1, false},
        // A five-letter password shows six asterisks, Enter included.
        GirisDurumu{"StaffAccount", AYSE, "ayse", "gizli\n", 6, true},
        GirisDurumu{"StaffAccountAfterOthers", BASKASI + AYSE, "ayse", "gizli\n", 6, true},
        GirisDurumu{"BuiltInWithStaffFile", AYSE, "nobet", "nobet\n", 6, true},
        // Three keys, Backspace, a fourth and Enter: the first two and the
        // fourth, five asterisks (Backspace prints none).
        GirisDurumu{"BackspaceTakesBack", bayt(hesap("ayse", "gii")), "ayse", "giz\bi\n", 5, true},
        GirisDurumu{"BackspaceKeepsNothingOfTheKey", AYSE, "ayse", "gizlx\bi\n", 7, true},
        GirisDurumu{"BackspaceWithoutTheFourthKey", bayt(hesap("ayse", "gi")), "ayse", "giz\b\n", 4,
                    true},
        GirisDurumu{"BackspaceLeavesTooLittle", AYSE, "ayse", "gizli\b\n", 6, false},
        // Backspace on an empty entry does nothing.
        GirisDurumu{"BackspaceOnEmptyEntry", AYSE, "ayse", "\b\bgizli\n", 6, true},
        GirisDurumu{"BackspaceOnEmptyBuiltIn", "", "nobet", "\bnobet\n", 6, true},
        // Exact comparisons: blanks and case count.
        GirisDurumu{"TrailingBlankInName", AYSE, "ayse ", "gizli\n", 6, false},
        GirisDurumu{"LeadingBlankInName", AYSE, " ayse", "gizli\n", 6, false},
        GirisDurumu{"NameInOtherCase", AYSE, "Ayse", "gizli\n", 6, false},
        GirisDurumu{"PasswordInOtherCase", AYSE, "ayse", "Gizli\n", 6, false},
        GirisDurumu{"PasswordOneLonger", AYSE, "ayse", "gizlii\n", 7, false},
        GirisDurumu{"PasswordOneShorter", AYSE, "ayse", "gizl\n", 5, false},
        GirisDurumu{"BuiltInInOtherCase", "", "Nobet", "nobet\n", 6, false},
        GirisDurumu{"PasswordOfAnotherAccount", AYSE + BASKASI, "ayse", "parola1\n", 8, false},
        // A staff account named like the built-in one logs in with both.
        GirisDurumu{"StaffNobetOwnPassword", NOBET_HESABI, "nobet", "ozel\n", 5, true},
        GirisDurumu{"StaffNobetBuiltInPassword", NOBET_HESABI, "nobet", "nobet\n", 6, true},
        // Every byte of piped input is a key, byte 26 too (Windows would
        // otherwise take it for the end of the input).
        GirisDurumu{"ByteTwentySixIsAKey", bayt(hesap("ayse", "gi\x1azli")), "ayse", "gi\x1azli\n",
                    7, true},
        // A record not in use is no account.
        GirisDurumu{"FreeSlotIsNoAccount", bayt(hesap("ayse", "gizli", 2)), "ayse", "gizli\n", 6,
                    false},
        // The header shows the name exactly as typed, blanks and case kept.
        GirisDurumu{"NameWithBlanksAndCase", bayt(hesap(" Ali  VELI ", "xy")), " Ali  VELI ",
                    "xy\n", 3, true},
        // At most 39 keys are kept: further keys are ignored without an
        // asterisk, so 34 Backspaces after 41 keys leave "nobet".
        GirisDurumu{"KeysBeyondThirtyNineIgnored", "", "nobet",
                    "nobet" + std::string(34, 'x') + "zz" + std::string(34, '\b') + "\n", 40, true},
        // A name longer than the entry's 39 characters fails to log in.
        GirisDurumu{"NameOfFortyCharacters", "", "nobet" + std::string(35, ' '), "nobet\n", 6,
                    false},
        GirisDurumu{"NameWithControlByte", "",
                    "nob\x01"
                    "et",
                    "nobet\n", 6, false}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Login, NoLimit) {
  Calisma c;
  std::string girdi = giris_girdisi("nobet", "yanlis");
  std::string beklenen = giris_ekrani(7);
  for (int i = 0; i < 5; ++i) {
    girdi += giris_girdisi("x", "y");
    beklenen += giris_ekrani(2, true);
  }
  girdi += giris_girdisi() + "14\n";
  beklenen += giris_ekrani(6, true) + menu_ekrani();
  Sonuc s = c.calistir(girdi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, beklenen);
}

TEST(Login, SessionName) {
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, bayt(hesap("Zeynep Kaya", "sifre")));
  Sonuc s = c.calistir(giris_girdisi("Zeynep Kaya", "sifre") + "13\nx4\nx14\n");
  EXPECT_EQ(s.durum, 0);
  const std::string z = "Zeynep Kaya";
  EXPECT_EQ(s.cikti, giris_ekrani(6) + menu_ekrani(z) + ekran("HAKKINDA", z) +
                         "Palvo Yazilim Ekibi\nno:     2026-0001\ne-mail: destek@palvo.example\n"
                         "web:    www.palvo.example\n" +
                         DONUS + menu_ekrani(z) + ekran("HASTA LISTELEME", z) + "Dosya Acilamadi!" +
                         DONUS + menu_ekrani(z));
}

// ---- On a pseudo-terminal ----

TEST(LoginPty, Asterisks) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, bayt(hesap("ayse", "gizli")));
  PtyOturumu p(c.dizin());
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("ayse\r");
  ASSERT_TRUE(p.bekle("Sifre: "));
  ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
  // A wrong password first; the terminal's Backspace (DEL) takes back.
  p.gonder(
      "gizlx\x7f"
      "e\r");
  ASSERT_TRUE(p.bekle("Lutfen tekrar deneyin!"));
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("ayse\r");
  ASSERT_TRUE(p.bekle("Sifre: "));
  ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
  p.gonder("gizli\r");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);

  // Program output gets CR LF from the terminal; typed lines are echoed by
  // it; the password keys leave only their asterisks.
  std::string giris = TEMIZLE + "PALVO HASTANE OTOMASYONU 1.0\r\n===== UYE GIRISI =====\r\n";
  std::string beklenen = giris + "Kullanici Adi: ayse\r\nSifre: *******" + giris +
                         "\r\n!!! Kullanici adiniz veya sifreniz yanlis!\r\n"
                         "!!! Lutfen tekrar deneyin!\r\n\r\n" +
                         "Kullanici Adi: ayse\r\nSifre: ******" + TEMIZLE +
                         "PALVO HASTANE OTOMASYONU 1.0 (ayse)\r\n===== ANA MENU =====\r\n";
  ASSERT_GE(p.cikti().size(), beklenen.size());
  EXPECT_EQ(p.cikti().substr(0, beklenen.size()), beklenen);
  EXPECT_EQ(p.cikti().find("gizl"), std::string::npos);

  // The terminal is left in its normal line mode with echo.
  EXPECT_NE(p.kip().c_lflag & ECHO, 0u);
  EXPECT_NE(p.kip().c_lflag & ICANON, 0u);
}

}  // namespace
