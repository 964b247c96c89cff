// The program started with standard input, output or error closed: no
// record file may take the place of the screen, and a closed input is the
// end of the input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "fault_kit.h"
#include "harness.h"
#include "process.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

// Runs the program in `c` with the descriptors of `kapali` closed; the
// others read `girdi` and write the screen to the test. The pipe of the
// screen stays open behind another descriptor, so that the runner waits for
// the program's end even when its output is closed.
Sonuc kapali_calistir(const Calisma& c, const std::string& girdi, const std::vector<int>& kapali) {
  Surec surec({Baglanti::borular, c.dizin(), -1}, [&] {
    if (dup(STDOUT_FILENO) < 0) _exit(127);
    for (int fd : kapali) close(fd);
    programi_calistir();
  });
  return surec.tamamla(girdi, 30);
}

const std::string KAYIT_GIRDISI =
    "1\n33333333333\nzeynep demir\nk\n05/06/1990\nizmir\na rh+\nkordon 7\nizmir\nkonak\n"
    "2324567890\nbekar\n\nx";

hasta kaydedilen() {
  return kayitli_hasta({"33333333333", "Zeynep Demir", "K", "05/06/1990", "Izmir", "A Rh+",
                        "Kordon 7", "Izmir", "Konak", "2324567890", "Bekar", "Yok"});
}

// A list, a registration, an edit and a second list: the screen goes where
// it can, and the patient file holds exactly the records written.
TEST(ClosedDescriptors, OutputOrError) {
  WINDOWS_DISI("closing of standard descriptors at start");
  const std::vector<std::vector<int>> durumlar = {{1}, {2}, {1, 2}};
  for (const auto& kapali : durumlar) {
    SCOPED_TRACE("closed: " + ::testing::PrintToString(kapali));
    Calisma c;
    std::string once = dosya({hasta_kaydi("11111111111", "Ayse Kaya", "Ssk"),
                              hasta_kaydi("22222222222", "Ali Can", "Ssk")});
    c.yaz(HASTA_DOSYASI, once);
    hasta duzenlenen = hasta_kaydi("22222222222", "Ali Can", "Ssk");
    koy(duzenlenen.isim, "Veli Can");
    koy(duzenlenen.guvence, "Yok");  // an empty answer there means none
    std::string girdi = oturum_girdisi("4\nx" + KAYIT_GIRDISI + "2\n22222222222\n\nveli can\n" +
                                       tekrar("\n", 10) + "x4\nx");
    Sonuc s;
    {
      // Typed by hand, so the screen is written out while the patient file
      // is open.
      ariza::Ariza elle({{"SIM_TEK_BAYT", "1"}});
      s = kapali_calistir(c, girdi, kapali);
    }
    EXPECT_EQ(s.durum, 0);
    EXPECT_EQ(c.oku(HASTA_DOSYASI),
              dosya({hasta_kaydi("11111111111", "Ayse Kaya", "Ssk"), duzenlenen, kaydedilen()}));
    bool ekran_acik = kapali[0] != 1;
    EXPECT_EQ(s.cikti.find("(Toplam 3 hasta kayitli)") != std::string::npos, ekran_acik);
  }
}

// A closed input is the end of the input at the first prompt: status 0 and
// no file made.
TEST(ClosedDescriptors, Input) {
  WINDOWS_DISI("closing of standard descriptors at start");
  for (const std::vector<int>& kapali : {std::vector<int>{0}, std::vector<int>{0, 1, 2}}) {
    Calisma c;
    Sonuc s = kapali_calistir(c, oturum_girdisi("1\n"), kapali);
    EXPECT_EQ(s.durum, 0);
    if (kapali.size() == 1) {
      EXPECT_EQ(s.cikti, ekran_girissiz("UYE GIRISI") + "Kullanici Adi: ");
    }
    EXPECT_FALSE(c.var(HASTA_DOSYASI));
    EXPECT_FALSE(c.var(PERSONEL_DOSYASI));
  }
}

}  // namespace
