// The printf-free card against printf itself: amounts at the rounding and
// special-value edges, generated records of every shape (fields full to their
// width without a NUL, leftovers behind a NUL, bytes above 127), and the
// block that gathers cards for the screen and the report.
#include "patients/card.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "patients/card_block.h"
#include "patients/card_format.h"
#include "record_kit.h"

namespace {

using namespace kayit_kiti;

std::string printf_tutar(double v) {
  char t[512];
  int n = std::snprintf(t, sizeof t, "%.2f", v);
  return std::string(t, static_cast<std::size_t>(n));
}

std::string hizli_tutar(double v) {
  char t[TUTAR_EN_UZUN + 1];
  char* son = tutar_ekle(t, v);
  EXPECT_LE(static_cast<std::size_t>(son - t), TUTAR_EN_UZUN);
  return std::string(t, son);
}

double bitlerden(uint64_t b) {
  double v;
  std::memcpy(&v, &b, sizeof v);
  return v;
}

const double NAN_ = std::numeric_limits<double>::quiet_NaN();
const double INF_ = std::numeric_limits<double>::infinity();

// Amounts whose text is easy to get wrong: ties that printf rounds to even on
// the exact binary value, values just beside them, signs of zero, huge and
// tiny values, and the values that are no numbers.
const double KENAR_TUTARLAR[] = {0.0,
                                 -0.0,
                                 0.005,
                                 -0.005,
                                 0.015,
                                 0.025,
                                 0.125,
                                 0.375,
                                 -0.125,
                                 2.675,
                                 1.005,
                                 -0.001,
                                 -0.004999,
                                 0.5,
                                 1.5,
                                 2.5,
                                 0.994999,
                                 9.995,
                                 -9.995,
                                 99.995,
                                 1234.5,
                                 -1234.567,
                                 3.25,
                                 6.5,
                                 1e15,
                                 1e15 + 0.125,
                                 4503599627370495.5,
                                 4503599627370496.5,
                                 9007199254740991.0,
                                 9007199254740992.0,
                                 9007199254740994.0,
                                 -9007199254740994.0,
                                 18014398509481988.0,
                                 92233720368547758.0,
                                 0.0049999999999999999,
                                 0.0050000000000000001,
                                 0.045,
                                 -0.045,
                                 1e-300,
                                 -1e-300,
                                 1e22,
                                 1e23,
                                 1e300,
                                 -1e300,
                                 DBL_MAX,
                                 -DBL_MAX,
                                 DBL_MIN,
                                 -DBL_MIN,
                                 DBL_TRUE_MIN,
                                 -DBL_TRUE_MIN,
                                 NAN_,
                                 -NAN_,
                                 bitlerden(0x7ff0000000000001ULL),
                                 bitlerden(0xfff8000000000123ULL),
                                 INF_,
                                 -INF_};

TEST(CardAmount, Edges) {
  for (double v : KENAR_TUTARLAR) EXPECT_EQ(hizli_tutar(v), printf_tutar(v)) << printf_tutar(v);
  // The spellings this system shows, stated outright.
  EXPECT_EQ(hizli_tutar(-0.0), "-0.00");
  EXPECT_EQ(hizli_tutar(-0.001), "-0.00");
  EXPECT_EQ(hizli_tutar(0.125), "0.12");
  EXPECT_EQ(hizli_tutar(2.675), "2.67");
  EXPECT_EQ(hizli_tutar(0.005), "0.01");
  EXPECT_EQ(hizli_tutar(NAN_), "nan");
  EXPECT_EQ(hizli_tutar(-NAN_), "-nan");
  EXPECT_EQ(hizli_tutar(INF_), "inf");
  EXPECT_EQ(hizli_tutar(-INF_), "-inf");
  EXPECT_EQ(hizli_tutar(DBL_MAX).size(), TUTAR_EN_UZUN - 1);
  EXPECT_EQ(hizli_tutar(-DBL_MAX).size(), TUTAR_EN_UZUN);
}

TEST(CardAmount, RandomValues) {
  std::mt19937_64 rnd(20240611);
  int farkli = 0;
  for (int i = 0; i < 200000 && farkli < 10; ++i) {
    // Every kind of double, then amounts in lira and kurus with a rounding
    // error, as sums of fees make them.
    double v = bitlerden(rnd());
    if (i % 2 == 1)
      v = static_cast<double>(static_cast<int64_t>(rnd() % 2000001) - 1000000) / 200.0;
    if (i % 4 == 3) v = std::nextafter(v, (rnd() & 1) ? INF_ : -INF_);
    // And any 53-bit mantissa with a scale of 2^0 down to 2^-70, where the
    // rounding to whole kurus is decided bit by bit.
    if (i % 8 == 6) {
      v = std::ldexp(static_cast<double>(rnd() >> 11), -static_cast<int>(rnd() % 71));
      if (rnd() & 1) v = -v;
    }
    std::string beklenen = printf_tutar(v);
    std::string olan = hizli_tutar(v);
    if (olan != beklenen) {
      ++farkli;
      ADD_FAILURE() << beklenen << " printed as " << olan;
    }
  }
}

// One text field in one of the shapes a file can hold it in.
template <std::size_t N>
void rastgele_alan(std::mt19937_64& rnd, char (&alan)[N]) {
  // Whatever the field held before, as leftovers behind the NUL.
  for (char& c : alan) c = static_cast<char>(rnd() % 256);
  std::size_t boy;
  switch (rnd() % 4) {
    case 0:
      boy = 0;  // not filled
      break;
    case 1:
      boy = N;  // full width, no NUL at all
      break;
    default:
      boy = rnd() % N;
  }
  for (std::size_t i = 0; i < boy; ++i) {
    // Mostly letters and blanks, now and then any byte but the NUL.
    alan[i] = rnd() % 8 == 0 ? static_cast<char>(1 + rnd() % 255)
                             : static_cast<char>("ABCabc Zz019/:."[rnd() % 15]);
  }
  if (boy < N) alan[boy] = '\0';
}

hasta rastgele_hasta(std::mt19937_64& rnd) {
  hasta k;
  std::memset(&k, 0, sizeof k);
  k.dolu = DOLU;
  kisisel_alanlar(k, [&](auto& a) { rastgele_alan(rnd, a); });
  // The visit fields, each of them sometimes empty, so that every
  // combination of the three conditional lines comes up.
  rastgele_alan(rnd, k.ziyaret.gtarih);
  rastgele_alan(rnd, k.ziyaret.gsaat);
  rastgele_alan(rnd, k.ziyaret.bolum);
  rastgele_alan(rnd, k.ziyaret.sikayet);
  rastgele_alan(rnd, k.ziyaret.teshis);
  rastgele_alan(rnd, k.ziyaret.ilaclar);
  rastgele_alan(rnd, k.ziyaret.sorumlu);
  rastgele_alan(rnd, k.ziyaret.ctarih);
  rastgele_alan(rnd, k.ziyaret.csaat);
  std::size_t kenar = sizeof KENAR_TUTARLAR / sizeof KENAR_TUTARLAR[0];
  switch (rnd() % 3) {
    case 0:
      k.ucret = KENAR_TUTARLAR[rnd() % kenar];
      break;
    case 1:
      k.ucret = bitlerden(rnd());
      break;
    default:
      k.ucret = static_cast<double>(static_cast<int64_t>(rnd() % 100000000) - 50000000) / 100.0;
  }
  return k;
}

std::string hizli_kart(const hasta& k) {
  char t[KART_BOYU];
  std::size_t n = kart_bicimle(t, k);
  EXPECT_LT(n, KART_BOYU);
  return std::string(t, n);
}

TEST(CardText, GeneratedRecords) {
  std::mt19937_64 rnd(376);
  int farkli = 0;
  for (int i = 0; i < 100000 && farkli < 5; ++i) {
    hasta k = rastgele_hasta(rnd);
    std::string beklenen = kart(k);
    std::string olan = hizli_kart(k);
    if (olan != beklenen) {
      ++farkli;
      ADD_FAILURE() << "record " << i << ":\n" << beklenen << "printed as\n" << olan;
    }
  }
}

TEST(CardText, LongestCard) {
  hasta k;
  std::memset(&k, 'W', sizeof k);
  k.ucret = -DBL_MAX;
  std::string beklenen = kart(k);
  EXPECT_EQ(hizli_kart(k), beklenen);
  EXPECT_GT(beklenen.size(), 800u) << "every field at full width and the longest amount";
}

// A target that keeps what it is handed, write by write.
struct Toplayici {
  std::string veri;
  std::vector<std::size_t> yazimlar;
  std::size_t basarisiz_sonra = SIZE_MAX;  // writes after this many fail
};

bool topla(void* b, const char* veri, std::size_t boy) {
  Toplayici& t = *static_cast<Toplayici*>(b);
  if (t.yazimlar.size() >= t.basarisiz_sonra) return false;
  t.veri.append(veri, boy);
  t.yazimlar.push_back(boy);
  return true;
}

std::vector<hasta> rastgele_hastalar(int adet) {
  std::mt19937_64 rnd(static_cast<uint64_t>(adet));
  std::vector<hasta> v;
  for (int i = 0; i < adet; ++i) v.push_back(rastgele_hasta(rnd));
  return v;
}

TEST(CardBlock, LargeWrites) {
  std::vector<hasta> hastalar = rastgele_hastalar(1000);
  std::string beklenen;
  for (const hasta& k : hastalar) beklenen += kart(k);
  Toplayici t;
  {
    KartBlogu blok(topla, &t);
    for (const hasta& k : hastalar) ASSERT_TRUE(blok.ekle(k));
    ASSERT_TRUE(blok.bosalt());
    ASSERT_TRUE(blok.bosalt()) << "an empty block writes nothing and stays good";
  }
  EXPECT_EQ(t.veri, beklenen);
  ASSERT_GT(t.yazimlar.size(), 2u);
  for (std::size_t i = 0; i + 1 < t.yazimlar.size(); ++i) {
    EXPECT_GT(t.yazimlar[i], KART_BLOGU - KART_BOYU) << "write " << i;
    EXPECT_LE(t.yazimlar[i], KART_BLOGU);
  }
}

TEST(CardBlock, RestAtEnd) {
  std::vector<hasta> hastalar = rastgele_hastalar(3);
  Toplayici t;
  {
    KartBlogu blok(topla, &t);
    for (const hasta& k : hastalar) blok.ekle(k);
    EXPECT_TRUE(t.veri.empty());
  }
  EXPECT_EQ(t.veri, kart(hastalar[0]) + kart(hastalar[1]) + kart(hastalar[2]));
}

TEST(CardBlock, TwoAtOnce) {
  std::vector<hasta> hastalar = rastgele_hastalar(300);
  std::string beklenen;
  for (const hasta& k : hastalar) beklenen += kart(k);
  Toplayici ilk, ikinci;
  {
    KartBlogu a(topla, &ilk);
    KartBlogu b(topla, &ikinci);
    for (const hasta& k : hastalar) {
      a.ekle(k);
      b.ekle(k);
    }
  }
  EXPECT_EQ(ilk.veri, beklenen);
  EXPECT_EQ(ikinci.veri, beklenen);
  // The second one makes do with room for one card at a time.
  EXPECT_GT(ikinci.yazimlar.size(), hastalar.size() / 2);
  // And a block made after both have ended has the large one again.
  Toplayici sonraki;
  {
    KartBlogu c(topla, &sonraki);
    for (const hasta& k : hastalar) c.ekle(k);
  }
  EXPECT_EQ(sonraki.veri, beklenen);
  EXPECT_LT(sonraki.yazimlar.size(), 5u);
}

TEST(CardBlock, WriteFails) {
  std::vector<hasta> hastalar = rastgele_hastalar(1000);
  Toplayici t;
  t.basarisiz_sonra = 1;
  bool son = true;
  {
    KartBlogu blok(topla, &t);
    for (const hasta& k : hastalar) son = blok.ekle(k);
    EXPECT_FALSE(son);
    EXPECT_FALSE(blok.bosalt());
  }
  ASSERT_EQ(t.yazimlar.size(), 1u);
  EXPECT_EQ(t.veri.size(), t.yazimlar[0]);
}

}  // namespace
