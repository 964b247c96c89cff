// Discharge end to end: the answers, the fee rule, the rewritten patient
// record and the archive record byte for byte, the refusal, a second
// discharge, and an archive that cannot be opened or written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include "fault_kit.h"
#include "record_kit.h"

namespace {

using namespace kayit_kiti;

const std::string SORUMLU_ISTEMI = "Sorumlu: ";
const std::string TESHIS_ISTEMI = "Teshis: ";
const std::string ILACLAR_ISTEMI = "Ilaclar: ";
const std::string TARIH_ISTEMI = "Cikis Tarihi (Gun/Ay/Yil): ";
const std::string SAAT_ISTEMI = "Cikis Saati (ST:DK): ";
const std::string UCRET_ISTEMI = "Muayene Ucreti: ";
// The five prompts before the fee, each shown once.
const std::string ISTEMLER =
    SORUMLU_ISTEMI + TESHIS_ISTEMI + ILACLAR_ISTEMI + TARIH_ISTEMI + SAAT_ISTEMI;

const std::string TC = "12345678901";

hasta yatan(const std::string& guvence, double bakiye) {
  return kabul_edilmis(hasta_kaydi(TC, "Ahmet Yilmaz", guvence, bakiye), "02/01/2024", "08:15",
                       "Bas Agrisi", "Noroloji");
}

// One discharge. Unless a case says otherwise, the patient has no social
// security, every prompt takes its first line, and the fee is 40.
struct CikisDurumu {
  const char* ad;
  std::string guvence = "Yok";
  double bakiye = 0;
  // Lines typed at the five prompts; only the last of each is accepted.
  std::vector<std::string> sorumlu = {"dr ayse kaya"}, teshis = {"migren"}, ilaclar = {"aspirin"},
                           ctarih = {"03/01/2024"}, csaat = {"11:45"};
  std::string ucret_girdisi = "40\n";  // typed for the fee, when it is asked
  int ucret_istemi = 1;                // how often the fee prompt is shown
  // What the record holds afterwards.
  std::string ssorumlu = "Dr Ayse Kaya", steshis = "Migren", silaclar = "Aspirin",
              sctarih = "03/01/2024", scsaat = "11:45";
  double ucret = 40;  // the fee archived and added to the balance
};

void PrintTo(const CikisDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Discharge : public ::testing::TestWithParam<CikisDurumu> {};

TEST_P(Discharge, Records) {
  const CikisDurumu& d = GetParam();
  Calisma c;
  hasta diger = hasta_kaydi("98765432109", "Zeynep Demir", "Yok", 10);
  hasta k = yatan(d.guvence, d.bakiye);
  c.yaz(HASTA_DOSYASI, dosya({k, diger}));

  hasta sonra = k;
  koy(sonra.ziyaret.sorumlu, d.ssorumlu);
  koy(sonra.ziyaret.teshis, d.steshis);
  koy(sonra.ziyaret.ilaclar, d.silaclar);
  koy(sonra.ziyaret.ctarih, d.sctarih);
  koy(sonra.ziyaret.csaat, d.scsaat);
  sonra.ucret = d.bakiye + d.ucret;
  std::string ucret = d.guvence == "Yok"
                          ? tekrar(UCRET_ISTEMI, d.ucret_istemi)
                          : "Muayene Ucreti: Yok (" + d.guvence + " Sosyal Guvence)\n";
  oturum(c,
         "6\n" + TC + "\n" + satirlar(d.sorumlu) + satirlar(d.teshis) + satirlar(d.ilaclar) +
             satirlar(d.ctarih) + satirlar(d.csaat) + d.ucret_girdisi + "x",
         bulunan("HASTA CIKIS", k) + tekrar(SORUMLU_ISTEMI, d.sorumlu.size()) +
             tekrar(TESHIS_ISTEMI, d.teshis.size()) + tekrar(ILACLAR_ISTEMI, d.ilaclar.size()) +
             tekrar(TARIH_ISTEMI, d.ctarih.size()) + tekrar(SAAT_ISTEMI, d.csaat.size()) + ucret +
             liste_ekrani({sonra, diger}));

  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya({sonra, diger}));
  // The first discharge creates the archive with exactly one record.
  EXPECT_EQ(c.boy(ARSIV_DOSYASI), 184);
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), bayt(arsiv_kaydi(sonra, d.ucret)));
}

INSTANTIATE_TEST_SUITE_P(
    Case, Discharge,
    ::testing::Values(
        CikisDurumu{.ad = "Plain", .bakiye = 20, .ucret_girdisi = "150\n", .ucret = 150},
        // With social security no fee is asked; the archive holds 0 and the
        // balance stays.
        CikisDurumu{.ad = "SocialSecurityNoFee",
                    .guvence = "SSK",
                    .bakiye = 80,
                    .ucret_girdisi = "",
                    .ucret_istemi = 0,
                    .ucret = 0},
        CikisDurumu{.ad = "OtherSocialSecurityName",
                    .guvence = "Bag-kur",
                    .ucret_girdisi = "",
                    .ucret_istemi = 0,
                    .ucret = 0},
        // Only "Yok" exactly asks for a fee; an empty field (written by other
        // means) names no scheme but is not "Yok" either.
        CikisDurumu{.ad = "EmptySocialSecurityNoFee",
                    .guvence = "",
                    .bakiye = 5,
                    .ucret_girdisi = "",
                    .ucret_istemi = 0,
                    .ucret = 0},
        CikisDurumu{.ad = "YokInOtherCaseNoFee",
                    .guvence = "YOK",
                    .bakiye = 5,
                    .ucret_girdisi = "",
                    .ucret_istemi = 0,
                    .ucret = 0},
        // Zero and text show the prompt again; an empty line is no answer and
        // shows nothing; a negative fee is taken as typed.
        CikisDurumu{.ad = "ZeroTextEmptyNegative",
                    .bakiye = 100,
                    .ucret_girdisi = "0\nabc\n\n-25.5\n",
                    .ucret_istemi = 3,
                    .ucret = -25.5},
        CikisDurumu{.ad = "DecimalCommaWholePart", .ucret_girdisi = "12,50\n", .ucret = 12},
        CikisDurumu{.ad = "OtherZerosAndTextBehind",
                    .ucret_girdisi = "0.00\n-0\n  +0e5\n.\n  7.5 TL\n",
                    .ucret_istemi = 5,
                    .ucret = 7.5},
        // 6.5 holds the byte 26 in its encoding.
        CikisDurumu{.ad = "NotFiniteRefused",
                    .ucret_girdisi = "1e999\n-1e999\nnan\ninf\n6.5\n",
                    .ucret_istemi = 5,
                    .ucret = 6.5},
        // A fee that would make the balance infinite is refused like zero.
        CikisDurumu{.ad = "OverflowingFeeRefused",
                    .bakiye = 1.5e308,
                    .ucret_girdisi = "1e308\n-1e308\n",
                    .ucret_istemi = 2,
                    .ucret = -1e308},
        // The doctor needs four characters and a blank: one word or fewer
        // characters are asked again.
        CikisDurumu{.ad = "DoctorRule",
                    .sorumlu = {"Ali", "Mehmetcan", "A B", "", "ali veli"},
                    .teshis = {"a", "grip"},
                    .ilaclar = {"", "x", "parol"},
                    .ssorumlu = "Ali Veli",
                    .steshis = "Grip",
                    .silaclar = "Parol"},
        CikisDurumu{.ad = "CaseNormalised",
                    .sorumlu = {"DR. AYSE kaya"},
                    .teshis = {"akut BRONSIT"},
                    .ilaclar = {"ventolin  SURUP"},
                    .ssorumlu = "Dr. Ayse Kaya",
                    .steshis = "Akut Bronsit",
                    .silaclar = "Ventolin  Surup"},
        CikisDurumu{.ad = "DateTimeBoundaries",
                    .ctarih = {"3/1/2024", "03/1/2024", "32/01/2024", "01/13/2024", "31/02/2024"},
                    .csaat = {"9:30", "24:00", "12:60", "12.30", "ab:cd"},
                    .sctarih = "31/02/2024",
                    .scsaat = "ab:cd"},
        // A discharge dated before the admission is accepted.
        CikisDurumu{.ad = "DischargeBeforeAdmission",
                    .ctarih = {"01/01/2000"},
                    .csaat = {"00:00"},
                    .sctarih = "01/01/2000",
                    .scsaat = "00:00"},
        // Longer than the field: asked again, never cut; 19 characters fit.
        CikisDurumu{.ad = "TooLongAskedAgain",
                    .sorumlu = {"prof dr ayse kaya ozturk", "prof dr ayse kaya o"},
                    .teshis = {"kronik obstruktif akciger", "kronik obstruktif a"},
                    .ilaclar = {std::string(20, 'i'), std::string(19, 'i')},
                    .ctarih = {"03/01/2024 ", "03/01/2024"},
                    .csaat = {"11:450", "11:45"},
                    .ssorumlu = "Prof Dr Ayse Kaya O",
                    .steshis = "Kronik Obstruktif A",
                    .silaclar = "I" + std::string(18, 'i')}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Discharge, NeverAdmitted) {
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz", "Yok", 5);
  for (bool arsiv_var : {false, true}) {
    SCOPED_TRACE(arsiv_var ? "with an archive" : "without an archive");
    Calisma c;
    std::string hastalar = dosya({k});
    std::string arsivler = bayt(arsiv_kaydi(cikmis(kabul_edilmis(k)), 30));
    c.yaz(HASTA_DOSYASI, hastalar);
    if (arsiv_var) c.yaz(ARSIV_DOSYASI, arsivler);

    oturum(c, "6\n" + TC + "\nx",
           bulunan("HASTA CIKIS", k) + "Once Hasta Kabulu Yapilmalidir!" + DONUS);
    EXPECT_EQ(c.oku(HASTA_DOSYASI), hastalar);
    if (arsiv_var) {
      EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsivler);
    } else {
      EXPECT_FALSE(c.var(ARSIV_DOSYASI));
    }
  }
}

TEST(Discharge, NotFound) {
  Calisma c;
  std::string hastalar = dosya({yatan("Yok", 0)});
  c.yaz(HASTA_DOSYASI, hastalar);
  oturum(c, "6\n12345678902\nx", bulma_istemi("HASTA CIKIS") + "Bulunamadi!" + DONUS);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), hastalar);
  EXPECT_FALSE(c.var(ARSIV_DOSYASI));
}

// Discharged twice without a new admission: the discharge fields are
// replaced, the fee is charged again, and a second record with the same
// admission is appended behind what the archive already held.
TEST(Discharge, SecondDischarge) {
  Calisma c;
  hasta k = yatan("Yok", 10);
  hasta baska = hasta_kaydi("98765432109", "Zeynep Demir", "SSK", 0);
  arsiv eski = arsiv_kaydi(cikmis(kabul_edilmis(baska)), 0);
  c.yaz(HASTA_DOSYASI, dosya({baska, k}));
  c.yaz(ARSIV_DOSYASI, bayt(eski));

  Sonuc s = oturum(c, "6\n" + TC + "\nprof dr ayse kaya\nmigren\naspirin\n03/01/2024\n11:45\n" +
                          "100\nx" + "6\n" + TC + "\ndr can oz\nsinuzit\nmajezik\n04/01/2024\n" +
                          "09:10\n3.25\ny");

  hasta bir = cikmis(k, "Prof Dr Ayse Kaya", "Migren", "Aspirin", "03/01/2024", "11:45");
  bir.ucret = 110;
  // strcpy of the shorter doctor keeps the end of the longer one behind it.
  hasta iki = bir;
  koy(iki.ziyaret.sorumlu, "Dr Can Oz");
  koy(iki.ziyaret.teshis, "Sinuzit");
  koy(iki.ziyaret.ilaclar, "Majezik");
  koy(iki.ziyaret.ctarih, "04/01/2024");
  koy(iki.ziyaret.csaat, "09:10");
  iki.ucret = 113.25;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya({baska, iki}));

  arsiv a1 = arsiv_kaydi(bir, 100);
  arsiv a2 = arsiv_kaydi(iki, 3.25);
  EXPECT_EQ(c.boy(ARSIV_DOSYASI), 3 * 184);
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), bayt(eski) + bayt(a1) + bayt(a2));

  std::string istemler = ISTEMLER + UCRET_ISTEMI;
  std::string govde = bulunan("HASTA CIKIS", k) + istemler + liste_ekrani({baska, bir}) +
                      menu_ekrani() + bulunan("HASTA CIKIS", bir) + istemler +
                      liste_ekrani({baska, iki});
  EXPECT_EQ(s.cikti, oturum_ekrani(govde));
}

// The archive record byte for byte, field by field at its offsets, from a
// patient whose stored texts carry leftovers behind their NULs.
TEST(Discharge, ArchiveLayout) {
  Calisma c;
  hasta k = yatan("Yok", 0);
  std::memset(k.ziyaret.sorumlu, 'Q', sizeof k.ziyaret.sorumlu);  // leftovers of an earlier visit
  std::memset(k.ziyaret.ctarih, 'Q', sizeof k.ziyaret.ctarih);
  k.ziyaret.sorumlu[0] = '\0';
  k.ziyaret.ctarih[0] = '\0';
  std::memcpy(k.ziyaret.bolum + 9, "\0KALINTI", 8);  // "Noroloji" then a NUL and remains
  c.yaz(HASTA_DOSYASI, bayt(k));

  oturum(c, "6\n" + TC + "\nali veli\nmigren\naspirin\n03/01/2024\n11:45\n-0.5\nx");

  std::string a = c.oku(ARSIV_DOSYASI);
  ASSERT_EQ(a.size(), 184u);
  auto alan = [&](std::size_t bas, std::size_t boy) { return a.substr(bas, boy); };
  auto dolgu = [](const std::string& s, std::size_t boy) {
    return s + std::string(boy - s.size(), '\0');
  };
  EXPECT_EQ(alan(0, 4), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(alan(4, 20), dolgu(TC, 20));
  EXPECT_EQ(alan(24, 20), dolgu("02/01/2024", 20));
  EXPECT_EQ(alan(44, 6), dolgu("08:15", 6));
  EXPECT_EQ(alan(50, 20), dolgu("Noroloji", 20));
  EXPECT_EQ(alan(70, 20), dolgu("Bas Agrisi", 20));
  EXPECT_EQ(alan(90, 20), dolgu("Migren", 20));
  EXPECT_EQ(alan(110, 20), dolgu("Aspirin", 20));
  EXPECT_EQ(alan(130, 20), dolgu("Ali Veli", 20));
  EXPECT_EQ(alan(150, 20), dolgu("03/01/2024", 20));
  EXPECT_EQ(alan(170, 6), dolgu("11:45", 6));
  double ucret = -0.5;
  EXPECT_EQ(alan(176, 8), std::string(reinterpret_cast<const char*>(&ucret), 8));

  // The patient record keeps its leftovers behind the new texts.
  hasta sonra = kayit_oku(c.oku(HASTA_DOSYASI), 0);
  EXPECT_EQ(std::string(sonra.ziyaret.sorumlu, 20), std::string("Ali Veli\0QQQQQQQQQQQ", 20));
  EXPECT_EQ(std::string(sonra.ziyaret.bolum, 20), std::string(k.ziyaret.bolum, 20));
  EXPECT_EQ(sonra.ucret, -0.5);
}

// When the archive cannot be opened the clerk must learn that the
// examination was not archived: the message stands with the return prompt
// and no list clears it away. The discharge stays in the patient record.
TEST(Discharge, ArchiveUnopenable) {
  Calisma c;
  hasta k = yatan("Yok", 0);
  c.yaz(HASTA_DOSYASI, bayt(k));
  ASSERT_EQ(mkdir(c.yol(ARSIV_DOSYASI).c_str(), 0755), 0);

  Sonuc s = oturum(c, "6\n" + TC + "\ndr ayse kaya\nmigren\naspirin\n03/01/2024\n11:45\n40\nx");

  hasta sonra = cikmis(k, "Dr Ayse Kaya", "Migren", "Aspirin", "03/01/2024", "11:45");
  sonra.ucret = 40;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(sonra));
  EXPECT_EQ(s.cikti, oturum_ekrani(bulunan("HASTA CIKIS", k) + ISTEMLER + UCRET_ISTEMI +
                                   "Dosya Acilamadi!" + DONUS));
}

// A full disk at the archive: the append fails and the patient's rewrite is
// undone, so "Kayit Yazilamadi!" leaves both files as they were and a second
// try cannot charge the fee twice.
TEST(Discharge, ArchiveWriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  Calisma c;
  hasta k = yatan("SSK", 7);
  c.yaz(HASTA_DOSYASI, bayt(k));
  hasta baska = cikmis(kabul_edilmis(hasta_kaydi("98765432109", "Zeynep Demir")));
  std::string arsivler =
      dosya({arsiv_kaydi(baska, 1), arsiv_kaydi(baska, 2), arsiv_kaydi(baska, 3)});
  c.yaz(ARSIV_DOSYASI, arsivler);

  Sonuc s = oturum(c, "6\n" + TC + "\ndr ayse kaya\nmigren\naspirin\n03/01/2024\n11:45\nx",
                   static_cast<long>(arsivler.size()));

  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(k));
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsivler);
  EXPECT_EQ(s.cikti, oturum_ekrani(bulunan("HASTA CIKIS", k) + ISTEMLER +
                                   "Muayene Ucreti: Yok (SSK Sosyal Guvence)\n" +
                                   "Kayit Yazilamadi!" + DONUS));
}

// When the patient record cannot be rewritten, nothing is archived either.
// The archive, opened before the rewrite, is there but empty.
TEST(Discharge, PatientWriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  Calisma c;
  hasta baska = hasta_kaydi("98765432109", "Zeynep Demir");
  hasta k = yatan("Yok", 0);
  std::string hastalar = dosya({baska, k});
  c.yaz(HASTA_DOSYASI, hastalar);

  // The limit lies inside the patient's slot, so its rewrite cannot finish.
  Sonuc s =
      oturum(c, "6\n" + TC + "\ndr ayse kaya\nmigren\naspirin\n03/01/2024\n11:45\n40\nx", 500);

  // The bytes in front of the limit are the part of the record that the
  // discharge does not change.
  EXPECT_EQ(c.oku(HASTA_DOSYASI), hastalar);
  EXPECT_EQ(c.boy(ARSIV_DOSYASI), 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(bulunan("HASTA CIKIS", k) + ISTEMLER + UCRET_ISTEMI +
                                   "Kayit Yazilamadi!" + DONUS));
}

// A signal that ends the program, come just before the patient's sync,
// between the discharge's two writes, waits for both: the program ends as
// the signal says, with the discharge and its archive record on disk.
TEST(Discharge, SignalBetweenTheTwoWrites) {
  WINDOWS_DISI("preloaded fault library");
  hasta k = yatan("Yok", 0);
  hasta sonra = cikmis(k, "Dr Ayse Kaya", "Migren", "Aspirin", "03/01/2024", "11:45");
  sonra.ucret = 40;
  for (int sinyal : {SIGINT, SIGQUIT, SIGTERM, SIGHUP}) {
    Calisma c;
    c.yaz(HASTA_DOSYASI, bayt(k));
    Sonuc s;
    {
      ariza::Ariza a({{"SIM_OLDUR_ESITLE", "1"}, {"SIM_OLDUR_SINYALI", std::to_string(sinyal)}});
      s = c.calistir(
          oturum_girdisi("6\n" + TC + "\ndr ayse kaya\nmigren\naspirin\n03/01/2024\n11:45\n40\nx"));
    }
    EXPECT_EQ(s.sinyal, sinyal);
    EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(sonra)) << sinyal;
    EXPECT_EQ(c.oku(ARSIV_DOSYASI), bayt(arsiv_kaydi(sonra, 40))) << sinyal;
  }
}

}  // namespace
