// The clock of the emulated network link that bench/busy_share.sh preloads
// into every desk (bench/shared_link.cpp): two desks that each list a patient
// file of 1 MB through a link of 10 MB/s share that one link, so together
// they take at least the time of 2 MB on it (0.2 s), not the 0.1 s of one
// list on a link of its own. A lower bound, which a slow machine cannot break.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fault_kit.h"
#include "record_kit.h"
#include "screens.h"

namespace {

using namespace kayit_kiti;

TEST(SharedLink, TwoDesksTakeTurnsOnOneLink) {
  WINDOWS_DISI("preloaded libraries");
  constexpr int HASTA_SAYISI = 2660;  // 1,000,160 bytes: one read of a scan
  constexpr int MASA = 2;
  std::vector<hasta> liste;
  for (int i = 0; i < HASTA_SAYISI; ++i) {
    liste.push_back(hasta_kaydi(bicim("%011lld", 10000000000LL + i), "Ali Veli"));
  }
  Calisma c;
  c.yaz("palvo.hasta.dat", dosya(liste));
  ariza::Onyukleme hat(PALVO_SHARED_LINK,
                       {{"PALVO_LINK_CLOCK", c.yol("link.clock")}, {"PALVO_LINK_MBPS", "10"}});

  auto bas = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<Surec>> masalar;
  for (int i = 0; i < MASA; ++i) {
    masalar.push_back(std::make_unique<Surec>(SurecAyari{.dizin = c.dizin()}, programi_calistir));
  }
  std::vector<Sonuc> sonuclar(MASA);
  std::vector<std::thread> iplikler;
  for (int i = 0; i < MASA; ++i) {
    iplikler.emplace_back(
        [&, i] { sonuclar[i] = masalar[i]->tamamla(oturum_girdisi("4\nx"), 60); });
  }
  for (std::thread& t : iplikler) t.join();
  std::chrono::duration<double> sure = std::chrono::steady_clock::now() - bas;

  for (const Sonuc& s : sonuclar) {
    EXPECT_EQ(s.durum, 0);
    EXPECT_NE(s.cikti.find(bicim("(Toplam %d hasta kayitli)", HASTA_SAYISI)), std::string::npos)
        << "the list did not read the whole file";
  }
  EXPECT_GE(sure.count(), 0.18) << "the two desks' bytes did not take turns on one link";
}

}  // namespace
