// Password change (menu 10) end to end: refusals for the built-in account,
// wrong old passwords and a missing file; a change rewrites only the `sifre`
// of the logged-in user's record, keeps the bytes behind its NUL and the file
// length, and goes straight to the main menu; the next login uses it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>

#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

// A record whose fields hold leftovers behind their NUL, as after earlier
// changes.
personel artikli(const std::string& isim, const std::string& sifre) {
  personel p = hesap(isim, sifre);
  for (std::size_t i = isim.size() + 1; i < sizeof p.isim; ++i) p.isim[i] = 'I';
  for (std::size_t i = sifre.size() + 1; i < sizeof p.sifre; ++i) p.sifre[i] = 'S';
  return p;
}

// `p` with its `sifre` overwritten by `yeni` and its NUL only.
personel degismis(personel p, const std::string& yeni) {
  koy(p.sifre, yeni);
  return p;
}

const std::string ESKI = "Eski Sifre: ";
const std::string YENI = "Yeni Sifre: ";

std::string baslik(const std::string& oturum) {
  return ekran("SIFRE DEGISTIRME", oturum);
}

std::string giris(const std::string& isim, const std::string& sifre) {
  return giris_ekrani(sifre.size() + 1) + menu_ekrani(isim);
}

const personel ALI = artikli("ali", "a1b2c3d4");
const personel AYSE = artikli("ayse", "gizli");
const personel VELI = hesap("veli", "gizli");
const std::string UCLU = bayt(ALI) + bayt(AYSE) + bayt(VELI);

struct SifreDurumu {
  const char* ad;
  std::string once;  // staff file before, "" for none
  std::string isim;  // login
  std::string sifre;
  std::string govde;    // typed after "10\n"
  std::string ekranda;  // after the operation's header: its prompts and ending
  std::string sonra;    // staff file after ("" when it must not exist)
};

void PrintTo(const SifreDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Password : public ::testing::TestWithParam<SifreDurumu> {};

TEST_P(Password, Screen) {
  const SifreDurumu& d = GetParam();
  Calisma c;
  if (!d.once.empty()) c.yaz(PERSONEL_DOSYASI, d.once);
  Sonuc s = c.calistir(giris_girdisi(d.isim, d.sifre) + "10\n" + d.govde + "14\n");
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, giris(d.isim, d.sifre) + baslik(d.isim) + d.ekranda + menu_ekrani(d.isim));
  EXPECT_EQ(c.var(PERSONEL_DOSYASI), !d.sonra.empty());
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), d.sonra);
}

// A function, since DONUS belongs to another file's static initialisation.
std::string yanlis() {
  return "Girdiginiz Sifre Yanlis!" + DONUS;
}

INSTANTIATE_TEST_SUITE_P(
    Case, Password,
    ::testing::Values(
        // The built-in account has no staff record.
        SifreDurumu{"BuiltInWithoutStaffFile", "", "nobet", "nobet", "nobet\nx",
                    ESKI + "Dosya Acilamadi!" + DONUS, ""},
        SifreDurumu{"BuiltInWithStaffFile", UCLU, "nobet", "nobet", "nobet\nx", ESKI + yanlis(),
                    UCLU},
        SifreDurumu{"WrongOldPassword", UCLU, "ayse", "gizli", "gizl\nx", ESKI + yanlis(), UCLU},
        SifreDurumu{"OldPasswordInOtherCase", UCLU, "ayse", "gizli", "GIZLI\nx", ESKI + yanlis(),
                    UCLU},
        SifreDurumu{"OldPasswordWithBlank", UCLU, "ayse", "gizli", "gizli \nx", ESKI + yanlis(),
                    UCLU},
        SifreDurumu{"EmptyOldPassword", UCLU, "ayse", "gizli", "\nx", ESKI + yanlis(), UCLU},
        // Another account's password is no proof for this one.
        SifreDurumu{"PasswordOfAnotherAccount", UCLU, "ayse", "gizli", "a1b2c3d4\nx",
                    ESKI + yanlis(), UCLU},
        // An old-password line longer than 49 characters is asked again.
        SifreDurumu{"OverlongOldPasswordAskedAgain", UCLU, "ayse", "gizli",
                    std::string(50, 'g') + "\n" + std::string(49, 'g') + "\nx",
                    ESKI + ESKI + yanlis(), UCLU},
        // Success: only `sifre` of that record changes, the bytes behind its
        // new NUL stay, the file keeps its length, and the menu follows at
        // once.
        SifreDurumu{"ChangesOnlyThatPassword", UCLU, "ayse", "gizli", "gizli\nyeni\n", ESKI + YENI,
                    bayt(ALI) + bayt(degismis(AYSE, "yeni")) + bayt(VELI)},
        SifreDurumu{"LongerNewPassword", UCLU, "ali", "a1b2c3d4", "a1b2c3d4\nuzun bir sifre 1\n",
                    ESKI + YENI, bayt(degismis(ALI, "uzun bir sifre 1")) + bayt(AYSE) + bayt(VELI)},
        SifreDurumu{"SameAsOld", UCLU, "veli", "gizli", "gizli\ngizli\n", ESKI + YENI, UCLU},
        // Short and overlong new passwords are asked again, never cut.
        SifreDurumu{"NewPasswordAskedAgain", UCLU, "ayse", "gizli",
                    "gizli\n\nx\n" + std::string(20, 'y') + "\n" + std::string(60, 'y') + "\n" +
                        std::string(19, 'y') + "\n",
                    ESKI + YENI + YENI + YENI + YENI + YENI,
                    bayt(ALI) + bayt(degismis(AYSE, std::string(19, 'y'))) + bayt(VELI)},
        SifreDurumu{"TwoCharacterNewPassword", UCLU, "ayse", "gizli", "gizli\nab\n", ESKI + YENI,
                    bayt(ALI) + bayt(degismis(AYSE, "ab")) + bayt(VELI)},
        // Only the first record whose name and password both match changes.
        SifreDurumu{"FirstMatchOnly",
                    bayt(hesap("ayse", "baska")) + bayt(AYSE) + bayt(hesap("ayse", "gizli")),
                    "ayse", "gizli", "gizli\nyeni\n", ESKI + YENI,
                    bayt(hesap("ayse", "baska")) + bayt(degismis(AYSE, "yeni")) +
                        bayt(hesap("ayse", "gizli"))},
        // A free slot with the name and password is not the account.
        SifreDurumu{"FreeSlotSkipped", bayt(kullanilmayan(AYSE)) + bayt(AYSE), "ayse", "gizli",
                    "gizli\nyeni\n", ESKI + YENI,
                    bayt(kullanilmayan(AYSE)) + bayt(degismis(AYSE, "yeni"))},
        // An incomplete tail is neither matched nor touched.
        SifreDurumu{"IncompleteTailKept", bayt(ALI) + bayt(AYSE).substr(0, 30), "ali", "a1b2c3d4",
                    "a1b2c3d4\nyeni\n", ESKI + YENI,
                    bayt(degismis(ALI, "yeni")) + bayt(AYSE).substr(0, 30)},
        // A staff account named like the built-in one: logged in with the
        // built-in password, its stored password is the old one.
        SifreDurumu{"NobetChangesStored", bayt(hesap("nobet", "ozel")), "nobet", "nobet",
                    "ozel\nyeni\n", ESKI + YENI, bayt(hesap("nobet", "yeni"))},
        SifreDurumu{"NobetBuiltInNotOld", bayt(hesap("nobet", "ozel")), "nobet", "nobet",
                    "nobet\nx", ESKI + yanlis(), bayt(hesap("nobet", "ozel"))}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Password, Unopenable) {
  Calisma c;
  ASSERT_EQ(mkdir(c.yol(PERSONEL_DOSYASI).c_str(), 0755), 0);
  oturum(c, "10\nnobet\nx", baslik("nobet") + ESKI + "Dosya Acilamadi!" + DONUS);
}

// After a change the next login accepts only the new password; the built-in
// password keeps working for a staff account named "nobet".
TEST(Password, NextLogin) {
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, UCLU);
  Sonuc s = c.calistir(giris_girdisi("ayse", "gizli") + "10\ngizli\nyeni\n14\n");
  ASSERT_EQ(s.cikti, giris("ayse", "gizli") + baslik("ayse") + ESKI + YENI + menu_ekrani("ayse"));
  s = c.calistir(giris_girdisi("ayse", "gizli") + giris_girdisi("ayse", "yeni") + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(6) + giris_ekrani(5, true) + menu_ekrani("ayse"));
  // The other account with the same old password is untouched.
  s = c.calistir(giris_girdisi("veli", "gizli") + "14\n");
  EXPECT_EQ(s.cikti, giris("veli", "gizli"));

  Calisma n;
  n.yaz(PERSONEL_DOSYASI, bayt(hesap("nobet", "ozel")));
  s = n.calistir(oturum_girdisi("10\nozel\nyeni\n"));
  ASSERT_EQ(n.oku(PERSONEL_DOSYASI), bayt(hesap("nobet", "yeni")));
  s = n.calistir(giris_girdisi("nobet", "ozel") + giris_girdisi("nobet", "yeni") + "14\n");
  EXPECT_EQ(s.cikti, giris_ekrani(5) + giris_ekrani(5, true) + menu_ekrani());
  s = n.calistir(oturum_girdisi(""));
  EXPECT_EQ(s.cikti, giris_ekrani(6) + menu_ekrani());
}

// A rewrite that fails (writes beyond the file size limit fail as on a full
// disk) is reported and changes nothing.
TEST(Password, RewriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, UCLU);
  Sonuc s = c.calistir(giris_girdisi("veli", "gizli") + "10\ngizli\nyeni\nx14\n", 30,
                       static_cast<long>(2 * sizeof(personel)));
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, giris("veli", "gizli") + baslik("veli") + ESKI + YENI + "Kayit Yazilamadi!" +
                         DONUS + menu_ekrani("veli"));
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), UCLU);
}

}  // namespace
