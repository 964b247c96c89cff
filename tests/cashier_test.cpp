// The cashier end to end: the balance shown, the amount read, the new balance
// in the patient record and on the list, in every visit state.
#include <gtest/gtest.h>

#include "pty_harness.h"
#include "record_kit.h"

namespace {

using namespace kayit_kiti;

enum class Ziyaret { hic, yatiyor, cikti };

struct VezneDurumu {
  const char* ad;
  Ziyaret ziyaret;
  double bakiye;
  std::string girdi;         // typed after the lookup
  int istem;                 // how often "Bakiye: " is shown
  double sonra;              // the balance afterwards
  std::string toplam;        // the balance as the line before the prompt shows it
  std::string ucret_satiri;  // the fee line of the card in the list
};

void PrintTo(const VezneDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Cashier : public ::testing::TestWithParam<VezneDurumu> {};

TEST_P(Cashier, Adds) {
  const VezneDurumu& d = GetParam();
  Calisma c;
  hasta k = hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", d.bakiye);
  if (d.ziyaret != Ziyaret::hic) k = kabul_edilmis(k);
  if (d.ziyaret == Ziyaret::cikti) k = cikmis(k);
  hasta diger = hasta_kaydi("98765432109", "Zeynep Demir", "SSK", 99);
  c.yaz(HASTA_DOSYASI, dosya({diger, k}));

  Sonuc s = oturum(c, "8\n12345678901\n" + d.girdi + "x");

  // Only the balance changes.
  hasta sonra = k;
  sonra.ucret = d.sonra;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya({diger, sonra}));
  EXPECT_FALSE(c.var(ARSIV_DOSYASI));

  std::string govde = bulunan("VEZNE ISLEMLERI", k) + "Toplam Ucret: " + d.toplam + " TL\n" +
                      tekrar("Bakiye: ", d.istem) + liste_ekrani({diger, sonra});
  EXPECT_EQ(s.cikti, oturum_ekrani(govde));
  EXPECT_NE(s.cikti.find("\n     Ucret: (" + d.ucret_satiri + " TL)\n  Iletisim:"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Case, Cashier,
    ::testing::Values(
        VezneDurumu{"MinusOneFiftyGivesZero", Ziyaret::hic, 150, "-150\n", 1, 0, "150.00", "0.00"},
        VezneDurumu{"FiftyGivesTwoHundred", Ziyaret::hic, 150, "50\n", 1, 200, "150.00", "200.00"},
        // Beyond the balance: it goes negative and shows its minus sign.
        VezneDurumu{"NegativeBeyondTheBalance", Ziyaret::hic, 20, "-50.25\n", 1, -30.25, "20.00",
                    "-30.25"},
        // Zero and text ask again; empty and blank lines are no answer and
        // show no new prompt; 12,50 counts as 12.
        VezneDurumu{"ZeroTextEmptyLinesThenComma", Ziyaret::hic, 0, "0\nabc\n\n   \n12,50\n", 3, 12,
                    "0.00", "12.00"},
        // 3.25 and 6.5 hold the bytes 10 and 26 in their encodings.
        VezneDurumu{"AdmittedPatient", Ziyaret::yatiyor, 3.25, "6.5\n", 1, 9.75, "3.25", "9.75"},
        VezneDurumu{"DischargedPatient", Ziyaret::cikti, -30, "+30 TL\n", 1, 0, "-30.00", "0.00"},
        VezneDurumu{"NotFiniteRefused", Ziyaret::hic, 1, "1e999\nnan\n-inf\n.5e1\n", 4, 6, "1.00",
                    "6.00"},
        // However many digits the amount has.
        VezneDurumu{"LongAmount", Ziyaret::hic, 150, std::string(600, '0') + "5\n", 1, 155,
                    "150.00", "155.00"},
        // An amount that would make the balance infinite is refused like zero.
        VezneDurumu{"OverflowOfTheBalanceRefused", Ziyaret::cikti, -1.5e308, "-1e308\n1e308\n", 2,
                    -0.5e308, para(-1.5e308), para(-1.5e308 + 1e308)}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Cashier, TwoVisits) {
  Calisma c;
  hasta k = hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", 0);
  c.yaz(HASTA_DOSYASI, bayt(k));

  Sonuc s = oturum(c, "8\nahmet yilmaz\n70\nx8\n12345678901\n-20.5\ny");

  hasta bir = k;
  bir.ucret = 70;
  hasta iki = k;
  iki.ucret = 49.5;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(iki));
  EXPECT_EQ(s.cikti, oturum_ekrani(bulunan("VEZNE ISLEMLERI", k) + "Toplam Ucret: 0.00 TL\n" +
                                   "Bakiye: " + liste_ekrani({bir}) + menu_ekrani() +
                                   bulunan("VEZNE ISLEMLERI", bir) + "Toplam Ucret: 70.00 TL\n" +
                                   "Bakiye: " + liste_ekrani({iki})));
}

// At a terminal: the typed amount is echoed, an empty line only moves the
// cursor down, and zero shows the prompt again.
TEST(Cashier, AtTerminal) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  hasta k = hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", 150);
  c.yaz(HASTA_DOSYASI, bayt(k));
  PtyOturumu p(c.dizin());
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("8\r");
  ASSERT_TRUE(p.bekle("TC Kimlik veya Isim: "));
  p.gonder("12345678901\r");
  ASSERT_TRUE(p.bekle("Toplam Ucret: 150.00 TL\r\nBakiye: "));
  p.gonder("\r");
  p.gonder("0\r");
  ASSERT_TRUE(p.bekle("\r\n0\r\nBakiye: "));
  p.gonder("-150\r");
  ASSERT_TRUE(p.bekle("(Toplam 1 hasta kayitli)"));
  ASSERT_TRUE(p.bekle("(Ana menuye donmek icin bir tusa basiniz)"));
  std::string ekran = p.cikti();
  std::size_t ilk = ekran.find("Bakiye: ");
  EXPECT_EQ(ekran.find("Bakiye: ", ekran.find("Bakiye: ", ilk + 1) + 1), std::string::npos)
      << "the empty line must not show the prompt again";
  EXPECT_NE(ekran.find("     Ucret: (0.00 TL)"), std::string::npos);
  p.gonder("x");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  hasta sonra = k;
  sonra.ucret = 0;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(sonra));
}

}  // namespace
