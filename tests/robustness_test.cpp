// Whatever is typed, on whatever files: random sessions must end cleanly at
// the end of their input, never crash or hang, and leave every record file
// whole records long.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

// Bytes a clerk might plausibly produce, weighted towards menu numbers,
// line ends and the answers that pass the field rules.
std::string rastgele_oturum(std::mt19937& r) {
  static const char* parcalar[] = {"1\n",
                                   "2\n",
                                   "3\n",
                                   "4\n",
                                   "5\n",
                                   "6\n",
                                   "7\n",
                                   "8\n",
                                   "9\n",
                                   "10\n",
                                   "11\n",
                                   "12\n",
                                   "13\n",
                                   "0\n",
                                   "\n",
                                   "x",
                                   "e",
                                   "E",
                                   "12345678901\n",
                                   "ali veli\n",
                                   "k\n",
                                   "01/02/2000\n",
                                   "12:30\n",
                                   "ab\n",
                                   "evli\n",
                                   "55555\n",
                                   "150\n",
                                   "-20\n",
                                   "dr ali\n",
                                   "\x1b[A",
                                   "\x7f",
                                   "\b",
                                   "\r\n",
                                   "\x01\n",
                                   "99999999999\n",
                                   "nobet\n",
                                   "  \n",
                                   "1e308\n",
                                   "abc def ghi jklmno pqrstu vwxyz 0123456789\n"};
  std::string s = giris_girdisi();
  std::uniform_int_distribution<std::size_t> secim(0, std::size(parcalar) - 1);
  std::uniform_int_distribution<int> bayt(0, 255);
  int adet = std::uniform_int_distribution<int>(20, 300)(r);
  for (int i = 0; i < adet; ++i) {
    if (r() % 25 == 0) {
      s += static_cast<char>(bayt(r));
    } else {
      s += parcalar[secim(r)];
    }
  }
  return s;
}

TEST(Robustness, RandomSessions) {
  std::mt19937 r(20261207);
  for (int oturum = 0; oturum < 60; ++oturum) {
    Calisma c;
    if (oturum % 3 != 0) {
      std::string veri = bayt(hasta_kaydi(numara(1234567), "Ali Veli", "Ssk")) +
                         bayt(hasta_kaydi(numara(99999999), "Ayse Kaya", "Yok"));
      c.yaz(HASTA_DOSYASI, veri);
    }
    std::string girdi = rastgele_oturum(r);
    Sonuc s = c.calistir(girdi, 30);
    ASSERT_FALSE(s.zaman_asimi) << "session " << oturum;
    ASSERT_EQ(s.sinyal, 0) << "session " << oturum;
    EXPECT_EQ(s.durum, 0) << "session " << oturum;
    EXPECT_EQ(s.cikti.rfind(giris_ekrani(0).substr(0, 10), 0), 0u);
    EXPECT_EQ(std::max(c.boy(HASTA_DOSYASI), 0L) % 376, 0) << "session " << oturum;
    EXPECT_EQ(std::max(c.boy(ARSIV_DOSYASI), 0L) % 184, 0) << "session " << oturum;
    EXPECT_EQ(std::max(c.boy(PERSONEL_DOSYASI), 0L) % 44, 0) << "session " << oturum;
  }
}

}  // namespace
