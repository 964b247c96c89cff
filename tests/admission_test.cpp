// Admission end to end: the typed answers and what they leave in the patient
// record, the refusal of an open visit, and a second admission after a
// discharge.
#include <gtest/gtest.h>

#include "record_kit.h"

namespace {

using namespace kayit_kiti;

const std::string TARIH_ISTEMI = "Giris Tarihi (Gun/Ay/Yil): ";
const std::string SAAT_ISTEMI = "Giris Saati (ST:DK): ";
const std::string SIKAYET_ISTEMI = "Sikayet: ";
const std::string BOLUM_ISTEMI = "Bolum: ";

// Lines typed at each of the four prompts; only the last of each is accepted.
struct KabulDurumu {
  const char* ad;
  std::vector<std::string> tarih, saat, sikayet, bolum;
  // What the record holds afterwards.
  std::string gtarih, gsaat, ssikayet, sbolum;
};

void PrintTo(const KabulDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Admission : public ::testing::TestWithParam<KabulDurumu> {};

TEST_P(Admission, Stores) {
  const KabulDurumu& d = GetParam();
  Calisma c;
  hasta diger = hasta_kaydi("98765432109", "Zeynep Demir", "SSK", 10);
  hasta k = hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", 42.5);
  c.yaz(HASTA_DOSYASI, dosya({diger, k}));

  hasta sonra = k;
  koy(sonra.ziyaret.gtarih, d.gtarih);
  koy(sonra.ziyaret.gsaat, d.gsaat);
  koy(sonra.ziyaret.sikayet, d.ssikayet);
  koy(sonra.ziyaret.bolum, d.sbolum);
  oturum(c,
         "5\n12345678901\n" + satirlar(d.tarih) + satirlar(d.saat) + satirlar(d.sikayet) +
             satirlar(d.bolum) + "x",
         bulunan("HASTA KABUL", k) + tekrar(TARIH_ISTEMI, d.tarih.size()) +
             tekrar(SAAT_ISTEMI, d.saat.size()) + tekrar(SIKAYET_ISTEMI, d.sikayet.size()) +
             tekrar(BOLUM_ISTEMI, d.bolum.size()) + liste_ekrani({diger, sonra}));
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya({diger, sonra}));
  EXPECT_FALSE(c.var(ARSIV_DOSYASI));
}

const std::string UZUN = "bir sikayet ki alana sigmaz";  // 27 characters

INSTANTIATE_TEST_SUITE_P(
    Case, Admission,
    ::testing::Values(KabulDurumu{"Plain",
                                  {"12/05/2024"},
                                  {"14:30"},
                                  {"bas agrisi"},
                                  {"noroloji"},
                                  "12/05/2024",
                                  "14:30",
                                  "Bas Agrisi",
                                  "Noroloji"},
                      // Eight or nine characters are asked again even for a real date.
                      KabulDurumu{"DateWithOneDigitDayOrMonth",
                                  {"1/5/2024", "01/5/2024", "1/05/2024", "12/5/2024", "12/05/2024"},
                                  {"14:30"},
                                  {"ates"},
                                  {"dahiliye"},
                                  "12/05/2024",
                                  "14:30",
                                  "Ates",
                                  "Dahiliye"},
                      KabulDurumu{"DateOutOfRangeOrMisshaped",
                                  {"32/01/2024", "01/13/2024", "12-05-2024", "12.05.2024",
                                   "12/05/20245", "", "2024/05/12", "12/05/2024/1", "31/12/2024"},
                                  {"00:00"},
                                  {"ates"},
                                  {"dahiliye"},
                                  "31/12/2024",
                                  "00:00",
                                  "Ates",
                                  "Dahiliye"},
                      // The date check tests neither digits nor the calendar.
                      KabulDurumu{"DateOnlyShapeAndRangeChecked",
                                  {"ab/cd/efgh"},
                                  {"23:59"},
                                  {"ates"},
                                  {"dahiliye"},
                                  "ab/cd/efgh",
                                  "23:59",
                                  "Ates",
                                  "Dahiliye"},
                      KabulDurumu{"TimeBoundaries",
                                  {"31/02/2024"},
                                  {"9:05", "24:00", "12:60", "12.30", "123:4", "", "09:05"},
                                  {"ates"},
                                  {"dahiliye"},
                                  "31/02/2024",
                                  "09:05",
                                  "Ates",
                                  "Dahiliye"},
                      KabulDurumu{"TimeOfLettersPasses",
                                  {"01/01/2024"},
                                  {"ab:cd"},
                                  {"ates"},
                                  {"dahiliye"},
                                  "01/01/2024",
                                  "ab:cd",
                                  "Ates",
                                  "Dahiliye"},
                      KabulDurumu{"OneCharacterAnswers",
                                  {"01/01/2024"},
                                  {"10:00"},
                                  {"a", "", "ab"},
                                  {"x", "kbb"},
                                  "01/01/2024",
                                  "10:00",
                                  "Ab",
                                  "Kbb"},
                      KabulDurumu{"CaseNormalised",
                                  {"01/01/2024"},
                                  {"10:00"},
                                  {"bAS  aGRISI"},
                                  {" GOZ hastaliklari"},
                                  "01/01/2024",
                                  "10:00",
                                  "Bas  Agrisi",
                                  " Goz Hastaliklari"},
                      // A line longer than the field is asked again, never cut; 19
                      // characters still fit in a field of 20 bytes.
                      KabulDurumu{"TooLongAskedAgain",
                                  {"12/05/2024 ve sonrasi", "12/05/2024"},
                                  {"14:30 ", "14:30"},
                                  {UZUN, "nefes darligi ve ag"},
                                  {"12345678901234567890", "1234567890123456789"},
                                  "12/05/2024",
                                  "14:30",
                                  "Nefes Darligi Ve Ag",
                                  "1234567890123456789"},
                      KabulDurumu{"ControlByteAskedAgain",
                                  {"01/01/2024"},
                                  {"10:00"},
                                  {std::string("ab\x01") + "cd", "abcd"},
                                  {std::string("\x1b[2J"), "acil"},
                                  "01/01/2024",
                                  "10:00",
                                  "Abcd",
                                  "Acil"}),
    [](const auto& info) { return std::string(info.param.ad); });

TEST(Admission, OpenVisitRefused) {
  Calisma c;
  hasta k = kabul_edilmis(hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", 42.5));
  std::string once = dosya({k});
  c.yaz(HASTA_DOSYASI, once);

  // The lines after the refusal are no answers: the return prompt takes the
  // first byte after the identity line, and the menu then reads 14.
  oturum(c, "5\n12345678901\nx", bulunan("HASTA KABUL", k) + "Hasta Kabulu Zaten Yapildi!" + DONUS);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), once);
  EXPECT_FALSE(c.var(ARSIV_DOSYASI));
}

TEST(Admission, ReadmitKeepsBalance) {
  Calisma c;
  // 3.25 holds the byte 10 in its encoding: it must come back unchanged.
  hasta k =
      cikmis(kabul_edilmis(hasta_kaydi("12345678901", "Ahmet Yilmaz", "Yok", 3.25), "02/01/2024",
                           "08:15", "Yuksek Ates Ve Oksu", "Enfeksiyon Hastalik"),
             "Dr Ayse Kaya", "Grip", "Parol", "05/01/2024", "17:40");
  hasta sonraki = hasta_kaydi("98765432109", "Zeynep Demir", "SSK", 10);
  std::string arsiv_bayti(2 * sizeof(arsiv), 'A');
  c.yaz(HASTA_DOSYASI, dosya({k, sonraki}));
  c.yaz(ARSIV_DOSYASI, arsiv_bayti);

  // Found by name this time, typed in another case.
  Sonuc s = oturum(c, "5\nAHMET yilmaz\n20/02/2024\n09:00\nbas donmesi\nkbb\nx");

  // The visit fields take the new values as strcpy would (behind the shorter
  // complaint the end of the longer one stays), the discharge fields become
  // empty texts, and everything else stays.
  hasta sonra = k;
  koy(sonra.ziyaret.gtarih, "20/02/2024");
  koy(sonra.ziyaret.gsaat, "09:00");
  koy(sonra.ziyaret.sikayet, "Bas Donmesi");
  koy(sonra.ziyaret.bolum, "Kbb");
  sonra.ziyaret.sorumlu[0] = '\0';
  sonra.ziyaret.teshis[0] = '\0';
  sonra.ziyaret.ilaclar[0] = '\0';
  sonra.ziyaret.ctarih[0] = '\0';
  sonra.ziyaret.csaat[0] = '\0';
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya({sonra, sonraki}));
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsiv_bayti);

  std::string govde = bulunan("HASTA KABUL", k) + TARIH_ISTEMI + SAAT_ISTEMI + SIKAYET_ISTEMI +
                      BOLUM_ISTEMI + liste_ekrani({sonra, sonraki});
  EXPECT_EQ(s.cikti, oturum_ekrani(govde));
  // The card in the list shows the open visit and no discharge.
  EXPECT_NE(s.cikti.find("     Giris: (20/02/2024 09:00) (Bolum: Kbb) (Sikayet: Bas Donmesi)\n"
                         "     Cikis: (Yapilmadi)\n"
                         "   Muayene: (Yapilmadi)\n"
                         "     Ucret: (3.25 TL)\n"),
            std::string::npos);
}

}  // namespace
