// A read error in the middle of a record file is not its end: whatever
// depends on having read the whole file (the duplicate checks, the lookup's
// "not found", the counts of the list and the report) ends the operation
// with "Dosya Acilamadi!" instead, and nothing is written. The error comes
// from the preloaded fault library, at a chosen byte of a chosen file.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "fault_kit.h"
#include "harness.h"
#include "record_kit.h"
#include "screens.h"

namespace {

using namespace kayit_kiti;

const std::string ACILAMADI = "Dosya Acilamadi!" + DONUS;

// Twelve patients; the disk fails inside the sixth (slot 5).
constexpr long BOZUK_BAYT = 5 * 376 + 100;

std::vector<hasta> hastalar() {
  std::vector<hasta> v;
  for (int i = 0; i < 12; ++i) {
    v.push_back(hasta_kaydi(std::to_string(10000000000L + i), i % 2 ? "Ali Veli" : "Ayse Kaya"));
  }
  return v;
}

std::vector<hasta> ilk_bes() {
  std::vector<hasta> v = hastalar();
  v.resize(5);
  return v;
}

std::string kartlar(const std::vector<hasta>& v, bool (*secer)(const hasta&)) {
  std::string s;
  for (const hasta& k : v) {
    if (secer(k)) s += kart(k);
  }
  return s;
}

std::vector<struct personel> hesaplar() {
  std::vector<struct personel> v;
  for (int i = 0; i < 8; ++i)
    v.push_back(hesap("kisi" + std::to_string(i), "sifre" + std::to_string(i)));
  return v;
}

struct OkumaDurumu {
  const char* ad;
  const char* dosya;  // the file whose reads fail; none: every lock is refused
  long bayt;          // from this byte on
  std::string girdi;  // the whole session
  std::string ekran;  // what it shows
};

void PrintTo(const OkumaDurumu& d, std::ostream* os) {
  *os << d.ad;
}

std::string girisli(const std::string& isim, const std::string& sifre, const std::string& govde) {
  return giris_girdisi(isim, sifre) + govde + "14\n";
}

std::vector<OkumaDurumu> durumlar() {
  std::vector<OkumaDurumu> v = {
      // The number stands behind the error: it must not be taken as free.
      {"RegistrationCheck", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("1\n10000000010\nx"),
       oturum_ekrani(ekran("HASTA EKLEME") + "TC Kimlik No: " + ACILAMADI)},
      // Five cards and no count: the count would claim the whole file.
      {"List", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("4\nx"),
       oturum_ekrani(ekran("HASTA LISTELEME") + "\n" + kayit_kiti::BASLIK +
                     kartlar(ilk_bes(), [](const hasta&) { return true; }) + "\nDosya Acilamadi!" +
                     DONUS)},
      {"Search", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("7\nveli\nx"),
       oturum_ekrani(ekran("HASTA ARA") + "Kelime (En az 2 harf): " +
                     kartlar(ilk_bes(), [](const hasta& k) { return k.isim[1] == 'l'; }) +
                     ACILAMADI)},
      // The patient stands behind the error: not "Bulunamadi!".
      {"LookupBehindTheError", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("8\n10000000009\nx"),
       oturum_ekrani(bulma_istemi("VEZNE ISLEMLERI") + ACILAMADI)},
      {"LookupOfNobody", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("3\n99999999999\nx"),
       oturum_ekrani(bulma_istemi("HASTA SILME") + ACILAMADI)},
      // The edited patient is found; its new number belongs to a patient
      // behind the error.
      {"EditingCheck", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("2\n10000000000\n10000000009\nx"),
       oturum_ekrani(bulunan("HASTA DUZENLEME", hastalar()[0]) +
                     "Eski TC Kimlik No: 10000000000\nYeni TC Kimlik No: " + ACILAMADI)},
      {"Report", HASTA_DOSYASI, BOZUK_BAYT, oturum_girdisi("12\nx"),
       oturum_ekrani(ekran("HASTA LISTELEME") + ACILAMADI)},
      {"ArchiveViewer", ARSIV_DOSYASI, 184 + 10, oturum_girdisi("11\n10000000000\nx"),
       oturum_ekrani(bulunan("MUAYENE ARSIVI", hastalar()[0]) +
                     " 1)  Giris: (02/01/2024 08:15) (Bolum: Dahiliye) (Sikayet: Ates)\n"
                     "     Cikis: (05/01/2024 17:40) (Teshis: Grip) (Ilaclar: Parol)\n"
                     "   Muayene: (Sorumlu: Dr Ayse Kaya)\n"
                     "     Ucret: (0.00 TL)\n" +
                     ACILAMADI)},
      {"StaffCheck", PERSONEL_DOSYASI, 44 * 3, oturum_girdisi("9\nkisi7\nx"),
       oturum_ekrani(ekran("PERSONEL EKLEME") + "Kullanici Adi: " + ACILAMADI)},
      {"PasswordChange", PERSONEL_DOSYASI, 44 * 3, girisli("kisi1", "sifre1", "10\nyanlis\nx"),
       giris_ekrani(7) + menu_ekrani("kisi1") + ekran("SIFRE DEGISTIRME", "kisi1") +
           "Eski Sifre: " + ACILAMADI + menu_ekrani("kisi1")},
      // A mount without a lock service: no block can be read under its
      // lock, and the desk says so at once rather than after the wait.
      {"ListLockRefused", nullptr, 0, oturum_girdisi("4\nx"),
       oturum_ekrani(ekran("HASTA LISTELEME") + "\n" + kayit_kiti::BASLIK + "\n" + ACILAMADI)},
      {"LookupLockRefused", nullptr, 0, oturum_girdisi("8\n10000000000\nx"),
       oturum_ekrani(bulma_istemi("VEZNE ISLEMLERI") + ACILAMADI)},
  };
  return v;
}

class ReadError : public ::testing::TestWithParam<OkumaDurumu> {};

TEST_P(ReadError, EndsTheOperation) {
  WINDOWS_DISI("preloaded fault library");
  const OkumaDurumu& d = GetParam();
  Calisma c;
  std::string hasta_dosyasi = dosya(hastalar());
  arsiv a = arsiv_kaydi(cikmis(kabul_edilmis(hastalar()[0])), 0);
  std::string arsiv_dosyasi = dosya({a, a, a});
  std::string personel_dosyasi = dosya(hesaplar());
  c.yaz(HASTA_DOSYASI, hasta_dosyasi);
  c.yaz(ARSIV_DOSYASI, arsiv_dosyasi);
  c.yaz(PERSONEL_DOSYASI, personel_dosyasi);
  Sonuc s;
  auto bas = std::chrono::steady_clock::now();
  if (d.dosya != nullptr) {
    ariza::Ariza bozuk(
        {{"SIM_OKUMA_DOSYASI", d.dosya}, {"SIM_OKUMA_BAYTI", std::to_string(d.bayt)}});
    s = c.calistir(d.girdi);
  } else {
    ariza::Ariza kilitsiz({{"SIM_HER_KILIT_HATASI", std::to_string(ENOLCK)}});
    s = c.calistir(d.girdi);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - bas, std::chrono::seconds(2)) << "waited";
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, d.ekran);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), hasta_dosyasi);
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsiv_dosyasi);
  EXPECT_EQ(c.oku(PERSONEL_DOSYASI), personel_dosyasi);
}

INSTANTIATE_TEST_SUITE_P(Case, ReadError, ::testing::ValuesIn(durumlar()),
                         [](const auto& info) { return std::string(info.param.ad); });

// Records in front of the error are reached and written as usual; a staff
// file that cannot be read counts as one without accounts at the login,
// while the built-in account still logs in.
TEST(ReadError, BeforeTheError) {
  WINDOWS_DISI("preloaded fault library");
  Calisma c;
  c.yaz(HASTA_DOSYASI, dosya(hastalar()));
  c.yaz(PERSONEL_DOSYASI, dosya(hesaplar()));
  Sonuc s;
  {
    ariza::Ariza bozuk(
        {{"SIM_OKUMA_DOSYASI", HASTA_DOSYASI}, {"SIM_OKUMA_BAYTI", std::to_string(BOZUK_BAYT)}});
    s = c.calistir(oturum_girdisi("8\n10000000002\n5\nx"));
  }
  std::vector<hasta> sonra = hastalar();
  sonra[2].ucret = 5;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya(sonra));
  EXPECT_NE(s.cikti.find("Bakiye: "), std::string::npos);
  {
    ariza::Ariza bozuk({{"SIM_OKUMA_DOSYASI", PERSONEL_DOSYASI}, {"SIM_OKUMA_BAYTI", "0"}});
    s = c.calistir(giris_girdisi("kisi1", "sifre1") + oturum_girdisi(""));
  }
  EXPECT_EQ(s.cikti, giris_ekrani(7) + giris_ekrani(6, true) + menu_ekrani());
}

}  // namespace
