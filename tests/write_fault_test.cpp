// Every record write of the program under a full disk, a failing sync, a
// failing disk and a lock that cannot be had: a write either lands whole and
// the operation goes on, or "Kayit Yazilamadi!" is shown and every file is
// byte for byte as it was, or, when the undo of the failed write fails as
// well, "Dosya Acilamadi!" is shown: the record may then be in the file. The
// file size limit is set at every byte of the written record (and one before
// it); the sync, the write, the cut-back and the lock fail through the
// preloaded fault library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "fault_kit.h"
#include "harness.h"
#include "record_kit.h"
#include "screens.h"

namespace {

using namespace kayit_kiti;

const std::string HATA = "Kayit Yazilamadi!" + DONUS;
const std::string YARIM = "Dosya Acilamadi!" + DONUS;

// One record write: the files before it, what is typed, the file it writes,
// where in that file the record lands, and the file after a successful write.
struct Yazma {
  const char* ad;
  std::map<std::string, std::string> once;
  std::string girdi;  // the whole session
  std::string dosya;
  long bas;            // the record's first byte in the file
  long boy;            // the record's size
  std::string sonra;   // the written file after success
  int esitleme;        // which sync of the session is this write's
  std::string basari;  // shown after success instead of the failure message
  // Another file that the operation writes just before this record, and
  // that file after it, for a write that undoes that one when it fails
  // cleanly. When this record's write cannot be undone, that first write
  // stays.
  std::map<std::string, std::string> ilk_yazim = {};
};

// How a session's write should end: on disk, nothing changed, or not known
// (the write failed and so did its undo).
enum class Son { yazildi, yazilamadi, belirsiz };

void PrintTo(const Yazma& y, std::ostream* os) {
  *os << y.ad;
}

hasta birinci() {
  return hasta_kaydi("11111111111", "Ayse Kaya", "Ssk", 40);
}
hasta ikinci() {
  return hasta_kaydi("22222222222", "Ahmet Yilmaz", "Yok", 150);
}

std::string iki_hasta(const hasta& ikinci_hasta = ikinci()) {
  return dosya({birinci(), ikinci_hasta});
}

// The first 100 bytes of a record whose append was cut off, and the free
// slot they become when the next append mends them: the first byte cleared,
// zeros up to a whole record.
std::string yirtik(const std::string& kayit) {
  return kayit.substr(0, 100);
}
std::string onarilmis(const std::string& kayit) {
  std::string s = yirtik(kayit);
  s[0] = '\0';
  s.resize(kayit.size(), '\0');
  return s;
}

// The session of the built-in account: `govde`, then the return key and 14.
std::string oturum_x(const std::string& govde) {
  return oturum_girdisi(govde + "x");
}

std::vector<Yazma> yazmalar() {
  std::vector<Yazma> v;
  {
    hasta sonra = ikinci();
    sonra.ucret = 175.5;
    v.push_back({"Cashier",
                 {{HASTA_DOSYASI, iki_hasta()}},
                 oturum_x("8\n22222222222\n25.5\n"),
                 HASTA_DOSYASI,
                 376,
                 376,
                 iki_hasta(sonra),
                 1,
                 "(Toplam 2 hasta kayitli)"});
  }
  v.push_back({"Deletion",
               {{HASTA_DOSYASI, iki_hasta()}},
               oturum_x("3\n22222222222\nE"),
               HASTA_DOSYASI,
               376,
               376,
               iki_hasta(bos_kayit()),
               1,
               "(Toplam 1 hasta kayitli)"});
  {
    hasta sonra = ikinci();
    koy(sonra.isim, "Mehmet Can");
    v.push_back({"Editing",
                 {{HASTA_DOSYASI, iki_hasta()}},
                 oturum_x("2\n22222222222\n\nmehmet can\n" + tekrar("\n", 10)),
                 HASTA_DOSYASI,
                 376,
                 376,
                 iki_hasta(sonra),
                 1,
                 "(Toplam 2 hasta kayitli)"});
  }
  v.push_back({"Admission",
               {{HASTA_DOSYASI, iki_hasta()}},
               oturum_x("5\n22222222222\n01/02/2024\n10:30\nates\ndahiliye\n"),
               HASTA_DOSYASI,
               376,
               376,
               iki_hasta(kabul_edilmis(ikinci(), "01/02/2024", "10:30", "Ates", "Dahiliye")),
               1,
               "(Toplam 2 hasta kayitli)"});
  const hasta yatan = kabul_edilmis(ikinci());
  hasta cikan = cikmis(yatan, "Dr Ali Veli", "Grip", "Parol", "03/02/2024", "11:00");
  cikan.ucret += 100;
  const std::string cikis_girdisi =
      oturum_x("6\n22222222222\ndr ali veli\ngrip\nparol\n03/02/2024\n11:00\n100\n");
  v.push_back({"DischargeRewrite",
               {{HASTA_DOSYASI, iki_hasta(yatan)}},
               cikis_girdisi,
               HASTA_DOSYASI,
               376,
               376,
               iki_hasta(cikan),
               1,
               "(Toplam 2 hasta kayitli)"});
  {
    // Three earlier examinations behind which an append was cut off after
    // 100 bytes; the new one is the fifth record, behind that tail made a
    // free slot. The patient stands in the first slot, so that the limits on
    // the archive leave room for the patient's own rewrite, which the
    // archive's failure undoes.
    arsiv eski = arsiv_kaydi(cikmis(kabul_edilmis(birinci())), 0);
    std::string arsiv_once = dosya({eski, eski, eski});
    v.push_back({"DischargeArchive",
                 {{HASTA_DOSYASI, bayt(yatan)}, {ARSIV_DOSYASI, arsiv_once + yirtik(bayt(eski))}},
                 cikis_girdisi,
                 ARSIV_DOSYASI,
                 4 * 184,
                 184,
                 arsiv_once + onarilmis(bayt(eski)) + bayt(arsiv_kaydi(cikan, 100)),
                 2,
                 "(Toplam 1 hasta kayitli)",
                 {{HASTA_DOSYASI, bayt(cikan)}}});
  }
  const std::string kayit_girdisi = oturum_x(
      "1\n33333333333\nzeynep demir\nk\n05/06/1990\nizmir\na rh+\nkordon 7\n"
      "izmir\nkonak\n2324567890\nbekar\n\n");
  const std::string zeynep =
      bayt(kayitli_hasta({"33333333333", "Zeynep Demir", "K", "05/06/1990", "Izmir", "A Rh+",
                          "Kordon 7", "Izmir", "Konak", "2324567890", "Bekar", "Yok"}));
  v.push_back({"Registration",
               {{HASTA_DOSYASI, iki_hasta()}},
               kayit_girdisi,
               HASTA_DOSYASI,
               752,
               376,
               iki_hasta() + zeynep,
               1,
               "Sosyal Guvence: " + DONUS});
  {
    // Behind the patients, the first 100 bytes of a record whose append was
    // cut off: it goes out again with its first byte cleared, padded to its
    // own slot, and comes back as it was when the append fails.
    v.push_back({"RegistrationTornTail",
                 {{HASTA_DOSYASI, iki_hasta() + yirtik(bayt(birinci()))}},
                 kayit_girdisi,
                 HASTA_DOSYASI,
                 1128,
                 376,
                 iki_hasta() + onarilmis(bayt(birinci())) + zeynep,
                 1,
                 "Sosyal Guvence: " + DONUS});
  }
  {
    std::string personel_once = dosya({hesap("ali", "a1"), hesap("veli", "gizli")});
    v.push_back({"StaffRegistration",
                 {{PERSONEL_DOSYASI, personel_once}},
                 oturum_x("9\nyeni\nsifre1\n"),
                 PERSONEL_DOSYASI,
                 88,
                 44,
                 personel_once + bayt(hesap("yeni", "sifre1")),
                 1,
                 "Sifre: " + DONUS});
    // After a change the menu follows at once and takes the "x" as a choice
    // that is no number; after a failure the return prompt takes it.
    v.push_back({"PasswordChange",
                 {{PERSONEL_DOSYASI, personel_once}},
                 giris_girdisi("veli", "gizli") + "10\ngizli\nyeni1\nx\n14\n",
                 PERSONEL_DOSYASI,
                 44,
                 44,
                 dosya({hesap("ali", "a1"), hesap("veli", "yeni1")}),
                 1,
                 "Yeni Sifre: \f"});
  }
  return v;
}

class WriteFault : public ::testing::TestWithParam<Yazma> {
 protected:
  void SetUp() override { hazirla(); }
  // The files as they were before the session, and no others.
  void hazirla() {
    for (const char* ad : {HASTA_DOSYASI, PERSONEL_DOSYASI, ARSIV_DOSYASI}) {
      std::remove(c.yol(ad).c_str());
    }
    for (const auto& [ad, icerik] : GetParam().once) c.yaz(ad, icerik);
  }
  // Runs the session, which should end as `son` says, and compares every
  // file the case set up; the written file, when it is not known, as
  // `kalan` says (by default as it was).
  void dene(Son son, long dosya_siniri, const std::string& durum,
            const std::string* kalan = nullptr) {
    const Yazma& y = GetParam();
    Sonuc s = c.calistir(y.girdi, 30, dosya_siniri);
    ASSERT_FALSE(s.zaman_asimi) << durum;
    EXPECT_EQ(s.durum, 0) << durum;
    std::map<std::string, std::string> sonra = y.once;
    if (son != Son::yazilamadi) {
      for (const auto& [ad, icerik] : y.ilk_yazim) sonra[ad] = icerik;
    }
    if (son == Son::yazildi) sonra[y.dosya] = y.sonra;
    if (kalan != nullptr) sonra[y.dosya] = *kalan;
    for (const auto& [ad, icerik] : sonra) EXPECT_EQ(c.oku(ad), icerik) << durum << ": " << ad;
    EXPECT_EQ(s.cikti.find(HATA) != std::string::npos, son == Son::yazilamadi) << durum;
    EXPECT_EQ(s.cikti.find(YARIM) != std::string::npos, son == Son::belirsiz) << durum;
    EXPECT_EQ(s.cikti.find(y.basari) != std::string::npos, son == Son::yazildi) << durum;
    hazirla();
  }
  Calisma c;
};

// The disk is full at every byte of the record in turn: only room for the
// whole record lets it land.
TEST_P(WriteFault, FileSizeLimit) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  const Yazma& y = GetParam();
  const long son = y.bas + y.boy;
  for (long sinir = y.bas - 1; sinir <= son; ++sinir) {
    if ((sinir - y.bas) % ariza::SINIR_ADIMI != 0 && sinir > y.bas + 1 && sinir < son - 1) continue;
    dene(sinir == son ? Son::yazildi : Son::yazilamadi, sinir, "limit " + std::to_string(sinir));
  }
}

// The record was written but could not be put on disk: the clerk is told,
// and the file goes back to what it was, so a retry cannot count twice. When
// every later sync fails as well, so does the sync of that undo, and the
// clerk is told that the record may be there.
TEST_P(WriteFault, SyncFails) {
  WINDOWS_DISI("preloaded fault library");
  const Yazma& y = GetParam();
  for (std::string hangisi : {std::to_string(y.esitleme), std::to_string(y.esitleme) + "+"}) {
    ariza::Ariza a({{"SIM_ESITLE_HATASI", hangisi}});
    dene(hangisi.back() == '+' ? Son::belirsiz : Son::yazilamadi, -1, "failing sync " + hangisi);
  }
  dene(Son::yazildi, -1, "no failure");
}

// The write fails and its undo fails too, so "Kayit Yazilamadi!" would be
// untrue: the clerk sees "Dosya Acilamadi!", and at a discharge the patient's
// discharge stands beside whatever reached the archive. Two ways: the disk
// gives out in the middle of the record's write (a rewrite keeps its torn
// record, an append its torn tail); and, for an append, the sync fails and
// so does the cut-back (the whole record stays).
TEST_P(WriteFault, UndoFails) {
  WINDOWS_DISI("preloaded fault library");
  const Yazma& y = GetParam();
  const std::string& once = y.once.at(y.dosya);
  const std::size_t boy = static_cast<std::size_t>(y.boy);
  const bool ekleme = static_cast<std::size_t>(y.bas) + boy > once.size();
  // Where the write begins: the slot, or for an append the end of the last
  // whole record (a torn tail is mended in the same write).
  const std::size_t bas = ekleme ? once.size() / boy * boy : static_cast<std::size_t>(y.bas);
  const std::size_t yarim = boy * 7 / 8;
  std::string yirtik_yazim = once;
  yirtik_yazim.resize(std::max(once.size(), bas + yarim));
  yirtik_yazim.replace(bas, yarim, y.sonra, bas, yarim);
  if (ekleme) yirtik_yazim.resize(bas + yarim);
  {
    ariza::Ariza a({{"SIM_YAZMA_HATASI", std::to_string(y.esitleme) + "+"},
                    {"SIM_YAZMA_BAYTI", std::to_string(yarim)}});
    dene(Son::belirsiz, -1, "torn write, disk broken", &yirtik_yazim);
  }
  if (ekleme) {
    // A torn tail is cut off before the write: the cut-back is the second.
    ariza::Ariza a({{"SIM_ESITLE_HATASI", std::to_string(y.esitleme)},
                    {"SIM_KES_HATASI", once.size() % boy != 0 ? "2" : "1"}});
    dene(Son::belirsiz, -1, "failing sync and cut-back", &y.sonra);
  }
}

// Another desk holds the file's lock for longer than the program waits for
// it (a reader's lock, which lets the program's own reads through, as one a
// crashed client leaves on a share): the clerk is told after a bounded wait,
// and nothing is written.
TEST_P(WriteFault, LockHeldElsewhere) {
  BaskaMasaKilidi kilit(c.yol(GetParam().dosya), false);
  ASSERT_TRUE(kilit);
  auto bas = std::chrono::steady_clock::now();
  dene(Son::yazilamadi, -1, "lock held elsewhere");
  EXPECT_GE(std::chrono::steady_clock::now() - bas, std::chrono::seconds(2)) << "gave up at once";
}

// The system refuses the lock for another reason than a holder (a mount
// whose lock service is down): waiting would change nothing, so the clerk
// is told at once.
TEST_P(WriteFault, LockRefused) {
  WINDOWS_DISI("preloaded fault library");
  ariza::Ariza a({{"SIM_KILIT_HATASI", std::to_string(ENOLCK)}});
  auto bas = std::chrono::steady_clock::now();
  dene(Son::yazilamadi, -1, "lock refused");
  EXPECT_LT(std::chrono::steady_clock::now() - bas, std::chrono::seconds(1)) << "waited";
}

INSTANTIATE_TEST_SUITE_P(Case, WriteFault, ::testing::ValuesIn(yazmalar()),
                         [](const auto& info) { return std::string(info.param.ad); });

}  // namespace
