// Staff registration (menu 9) end to end: the screen byte for byte and the
// staff file's bytes after it; refusals of short, overlong and existing
// names; unopenable and full files; and the new account logging in.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using kayit_kiti::hesap;
using kayit_kiti::oturum;

const std::string BASLIK = ekran("PERSONEL EKLEME");

struct KayitDurumu {
  const char* ad;
  std::string once;     // staff file before, "" for none
  std::string govde;    // typed after "9\n", up to the return prompt's key
  std::string ekranda;  // the registration screen after its header
  std::string sonra;    // staff file after
};

void PrintTo(const KayitDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Staff : public ::testing::TestWithParam<KayitDurumu> {};

TEST_P(Staff, Screen) {
  const KayitDurumu& d = GetParam();
  Calisma c;
  if (!d.once.empty()) c.yaz(PERSONEL_DOSYASI, d.once);
  oturum(c, "9\n" + d.govde, BASLIK + d.ekranda);
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), d.sonra);
}

const std::string AYSE = bayt(hesap("ayse", "gizli"));
const std::string AD = "Kullanici Adi: ";
const std::string SIFRE = "Sifre: ";

INSTANTIATE_TEST_SUITE_P(
    Case, Staff,
    ::testing::Values(
        // The first registration creates the file with one 44-byte record;
        // no confirmation, the return prompt follows the password prompt.
        KayitDurumu{"CreatesFile", "", "ayse\ngizli\nx", AD + SIFRE + DONUS, AYSE},
        KayitDurumu{"AppendsBehindOthers", AYSE, "Mehmet Can\n12 34\nx", AD + SIFRE + DONUS,
                    AYSE + bayt(hesap("Mehmet Can", "12 34"))},
        KayitDurumu{"DuplicateRefused", AYSE, "ayse\nx", AD + "Bu personel zaten kayitli!" + DONUS,
                    AYSE},
        KayitDurumu{"DuplicateBehindOthers", bayt(hesap("ali", "xx")) + AYSE, "ayse\nx",
                    AD + "Bu personel zaten kayitli!" + DONUS, bayt(hesap("ali", "xx")) + AYSE},
        // A name differing only in case is a new account.
        KayitDurumu{"OtherCaseIsNewAccount", AYSE, "Ayse\ngizli\nx", AD + SIFRE + DONUS,
                    AYSE + bayt(hesap("Ayse", "gizli"))},
        // A free slot with the name does not make it exist.
        KayitDurumu{"FreeSlotDoesNotConflict", bayt(hesap("ayse", "gizli", 0)), "ayse\nyeni\nx",
                    AD + SIFRE + DONUS,
                    bayt(hesap("ayse", "gizli", 0)) + bayt(hesap("ayse", "yeni"))},
        // Two characters are enough; one or none bring the prompt back.
        KayitDurumu{"ShortNamesAskedAgain", "", "a\n\nab\ncd\nx", AD + AD + AD + SIFRE + DONUS,
                    bayt(hesap("ab", "cd"))},
        KayitDurumu{"ShortPasswordsAskedAgain", "", "ab\nc\n\ncd\nx",
                    AD + SIFRE + SIFRE + SIFRE + DONUS, bayt(hesap("ab", "cd"))},
        KayitDurumu{"TwoBlanksAreAName", "", "  \n  \nx", AD + SIFRE + DONUS,
                    bayt(hesap("  ", "  "))},
        // Stored as typed: case and blanks kept.
        KayitDurumu{"StoredAsTyped", "", " Ali VELI \n Pa Ss \nx", AD + SIFRE + DONUS,
                    bayt(hesap(" Ali VELI ", " Pa Ss "))},
        // More than 19 characters do not fit the field: asked again, never
        // cut; 19 fit exactly.
        KayitDurumu{"OverlongNameAskedAgain", "",
                    std::string(20, 'n') + "\n" + std::string(19, 'n') + "\nab\nx",
                    AD + AD + SIFRE + DONUS, bayt(hesap(std::string(19, 'n'), "ab"))},
        KayitDurumu{"OverlongPasswordAskedAgain", "",
                    "ab\n" + std::string(20, 's') + "\n" + std::string(19, 's') + "\nx",
                    AD + SIFRE + SIFRE + DONUS, bayt(hesap("ab", std::string(19, 's')))},
        KayitDurumu{"VeryLongLineAskedAgain", "", std::string(3000, 'n') + "\nab\ncd\nx",
                    AD + AD + SIFRE + DONUS, bayt(hesap("ab", "cd"))},
        // Control bytes are refused like any invalid answer.
        KayitDurumu{"ControlByteAskedAgain", "", "a\x1b[Ab\nab\ncd\x7f\ncd\nx",
                    AD + AD + SIFRE + SIFRE + DONUS, bayt(hesap("ab", "cd"))}),
    [](const auto& info) { return std::string(info.param.ad); });

// The rest of the menu line is discarded by the first prompt.
TEST(Staff, MenuLineRest) {
  Calisma c;
  oturum(c, "9 ali veli\nab\ncd\nx", BASLIK + AD + SIFRE + DONUS);
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), bayt(hesap("ab", "cd")));
}

// The name is checked before the password is asked, so a duplicate ends the
// operation and the next line goes to the menu.
TEST(Staff, Duplicate) {
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, AYSE);
  oturum(c, "9\nayse\nx13\nx",
         BASLIK + AD + "Bu personel zaten kayitli!" + DONUS + menu_ekrani() + ekran("HAKKINDA") +
             "Palvo Yazilim Ekibi\nno:     2026-0001\n"
             "e-mail: destek@palvo.example\nweb:    www.palvo.example\n" +
             DONUS);
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), AYSE);
}

TEST(Staff, NewAccountLogsIn) {
  Calisma c;
  Sonuc s = c.calistir(oturum_girdisi("9\nZeynep K\nk1 2\nx"));
  ASSERT_EQ(s.durum, 0);
  s = c.calistir(giris_girdisi("Zeynep K", "k1 2") + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(5) + menu_ekrani("Zeynep K"));
  // And a second registration under the new session.
  s = c.calistir(giris_girdisi("Zeynep K", "k1 2") + "9\nZeynep K\nx14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(5) + menu_ekrani("Zeynep K") +
                         ekran("PERSONEL EKLEME", "Zeynep K") + AD + "Bu personel zaten kayitli!" +
                         DONUS + menu_ekrani("Zeynep K"));
}

// An account named like the built-in one can be registered; it then logs in
// with its own password as well as the built-in one.
TEST(Staff, NamedNobet) {
  Calisma c;
  oturum(c, "9\nnobet\nozel\nx", BASLIK + AD + SIFRE + DONUS);
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), bayt(hesap("nobet", "ozel")));
  Sonuc s = c.calistir(giris_girdisi("nobet", "ozel") + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(5) + menu_ekrani());
  s = c.calistir(giris_girdisi("nobet", "nobet") + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(6) + menu_ekrani());
}

TEST(Staff, Unopenable) {
  Calisma c;
  ASSERT_EQ(mkdir(c.yol(PERSONEL_DOSYASI).c_str(), 0755), 0);
  oturum(c, "9\nayse\ngizli\nx", BASLIK + AD + SIFRE + "Dosya Acilamadi!" + DONUS);
}

// A write that fails (a full disk) is reported and leaves the file as it was.
TEST(Staff, WriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, AYSE);
  Sonuc s = oturum(c, "9\nali\nveli\nx", c.boy(PERSONEL_DOSYASI));
  EXPECT_EQ(s.cikti, oturum_ekrani(BASLIK + AD + SIFRE + "Kayit Yazilamadi!" + DONUS));
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), AYSE);
}

TEST(Staff, FirstWriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  Calisma c;
  Sonuc s = oturum(c, "9\nali\nveli\nx", 0L);
  EXPECT_EQ(s.cikti, oturum_ekrani(BASLIK + AD + SIFRE + "Kayit Yazilamadi!" + DONUS));
  EXPECT_EQ(c.boy(PERSONEL_DOSYASI), 0);
  // The account does not exist.
  s = c.calistir(giris_girdisi("ali", "veli") + giris_girdisi() + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(5) + giris_ekrani(6, true) + menu_ekrani());
}

}  // namespace
