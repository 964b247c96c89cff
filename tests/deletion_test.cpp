// Patient deletion end to end (menu choice 3): E or e turns the slot into
// 376 zero bytes in place, any other key writes nothing, and the list follows
// either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "pty_harness.h"
#include "registry_kit.h"
#include "screens.h"

namespace {

using namespace kayitlar;

const hasta A = taburcu(hasta_kaydi("11111111111", "Ayse Kaya"), 3.25);
const hasta B = taburcu(hasta_kaydi("22222222222", "Can Demir"), 6.5);
const hasta C = hasta_kaydi("33333333333", "Ece Yilmaz");

std::string istem() {
  return bulma_istemi("HASTA SILME");
}

std::string onay(const hasta& k) {
  return bulunan("HASTA SILME", k) + "Emin Misiniz (E-H): ";
}

TEST(Deletion, ConfirmZeroesSlot) {
  for (std::string tus : {"E", "e"}) {
    Calisma c;
    std::string eski = dosya({A, B, C});
    c.yaz(HASTA, eski);
    oturum(c, "3\ncan demir\n" + tus + "x", onay(B) + liste_ekrani({A, C}));
    std::string veri = c.oku(HASTA);
    EXPECT_EQ(veri.size(), eski.size());
    EXPECT_EQ(veri, bayt(A) + std::string(376, '\0') + bayt(C)) << tus;
  }
}

TEST(Deletion, OtherKeyKeeps) {
  for (std::string tus : {"H", "h", "x", "\n", " ", "\x1b", "1"}) {
    Calisma c;
    std::string eski = dosya({A, B, C});
    c.yaz(HASTA, eski);
    oturum(c, "3\n22222222222\n" + tus + "x", onay(B) + liste_ekrani({A, B, C}));
    EXPECT_EQ(c.oku(HASTA), eski) << static_cast<int>(tus[0]);
  }
}

TEST(Deletion, LastRecord) {
  Calisma c;
  c.yaz(HASTA, dosya({A, B, C}));
  oturum(c, "3\n33333333333\nEx", onay(C) + liste_ekrani({A, B}));
  EXPECT_EQ(c.oku(HASTA), dosya({A, B, bos_kayit()}));
}

TEST(Deletion, EarlierNamesake) {
  Calisma c;
  hasta ikinci = hasta_kaydi("44444444444", "Ayse Kaya");
  c.yaz(HASTA, dosya({C, A, ikinci}));
  oturum(c, "3\nAYSE KAYA\nex", onay(A) + liste_ekrani({C, ikinci}));
  EXPECT_EQ(c.oku(HASTA), dosya({C, bos_kayit(), ikinci}));
}

TEST(Deletion, IncompleteTail) {
  Calisma c;
  std::string kuyruk = bayt(hasta_kaydi("55555555555", "Yarim Kayit")).substr(0, 200);
  c.yaz(HASTA, dosya({A, B}) + kuyruk);
  oturum(c, "3\n22222222222\nEx", onay(B) + liste_ekrani({A}));
  EXPECT_EQ(c.oku(HASTA), dosya({A, bos_kayit()}) + kuyruk);
}

TEST(Deletion, NobodyFound) {
  Calisma c;
  std::string eski = dosya({A, B});
  c.yaz(HASTA, eski);
  // Part of a name finds nobody; the E typed after it is taken by the return
  // prompt, not as a confirmation.
  oturum(c, "3\nayse\nE", istem() + "Bulunamadi!" + DONUS);
  EXPECT_EQ(c.oku(HASTA), eski);
}

TEST(Deletion, MissingFile) {
  Calisma c;
  oturum(c, "3\n11111111111\nE", istem() + "Dosya Acilamadi!" + DONUS);
  EXPECT_FALSE(c.var(HASTA));
}

TEST(Deletion, NumberFreedForReuse) {
  Calisma c;
  c.yaz(HASTA, dosya({A}));
  std::vector<std::string> alanlar = {
      "11111111111",   "yeni hasta", "k",     "01/01/2001", "izmir", "0 rh+",
      "kordon boyu 7", "izmir",      "konak", "2324567890", "bekar", "ssk"};
  hasta yeni = hasta_kaydi("11111111111", "Yeni Hasta", "Ssk");
  koy(yeni.dogum_tarih, "01/01/2001");
  std::string ekle_ekrani = ekran("HASTA EKLEME") +
                            "TC Kimlik No: Ad&Soyad: Cinsiyet (Erkek:E Kadin:K): Dogum Tarihi "
                            "(Gun/Ay/Yil): Dogum Yeri: Kan Grubu: Adres: Il: Ilce: Telefon No (0 "
                            "Olmadan): Medeni Hal: Sosyal Guvence: " +
                            DONUS;
  std::string govde = "3\n11111111111\nEx" + std::string("3\nayse kaya\nx") +
                      std::string("3\n11111111111\nx") + "1\n" + satirlar(alanlar) + "x";
  Sonuc s = c.calistir(oturum_girdisi(govde));
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(onay(A) + liste_ekrani({}) + menu_ekrani() + istem() +
                                   "Bulunamadi!" + DONUS + menu_ekrani() + istem() + "Bulunamadi!" +
                                   DONUS + menu_ekrani() + ekle_ekrani));
  EXPECT_EQ(c.oku(HASTA), dosya({bos_kayit(), yeni}));
}

TEST(DeletionPty, OneSilentKey) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  c.yaz(HASTA, dosya({A, C}));
  PtyOturumu p(c.dizin());
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("3\r");
  ASSERT_TRUE(p.bekle("TC Kimlik veya Isim: "));
  p.gonder("11111111111\r");
  ASSERT_TRUE(p.bekle("Emin Misiniz (E-H): "));
  // Wait until the program reads single keys, as a person would not type
  // ahead of the question.
  ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
  p.gonder("e");
  // No Enter: the key alone deletes and the list appears.
  ASSERT_TRUE(p.bekle("===== HASTA LISTELEME ====="));
  ASSERT_TRUE(p.bekle("(Toplam 1 hasta kayitli)"));
  std::string arada = p.cikti().substr(p.cikti().rfind("Emin Misiniz (E-H): ") + 20);
  // The key is not shown: the cleared screen of the list follows at once.
  EXPECT_EQ(arada.rfind("\x1b[H", 0), 0u) << ::testing::PrintToString(arada.substr(0, 40));
  p.gonder("x");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_EQ(c.oku(HASTA), dosya({bos_kayit(), C}));
}

}  // namespace
