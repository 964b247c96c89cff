// The record file idioms on real files: the scan, the in-place rewrite, the
// padded append and its cut-back on failure, and the opening rules.
#include "store/record_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "record_kit.h"
#include "store/field.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

std::vector<int64_t> tara(const std::string& yol, std::vector<hasta>* kayitlar = nullptr) {
  Dosya d = dosya_ac(yol.c_str(), AcmaKipi::guncelle);
  EXPECT_TRUE(d);
  std::vector<int64_t> siralar;
  if (!d) return siralar;
  Tarama<hasta> t(d.akis());
  hasta k;
  while (t.sonraki(k)) {
    siralar.push_back(t.sira());
    if (kayitlar) kayitlar->push_back(k);
  }
  return siralar;
}

// Whole records the large read block holds, and the small one a scan falls
// back on while the large one is taken.
constexpr int BLOK = static_cast<int>(TARAMA_BLOGU / sizeof(hasta));
constexpr int KUCUK_BLOK = static_cast<int>(YEDEK_BLOK / sizeof(hasta));

// A patient file of `adet` records, some in use, then `kuyruk` bytes of an
// incomplete record.
std::string hasta_dosyasi(int adet, int kuyruk = 0) {
  std::string veri;
  veri.reserve(static_cast<std::size_t>(adet) * 376 + 376);
  for (int i = 0; i < adet; ++i) {
    hasta k = hasta_kaydi(numara(i));
    k.dolu = i % 3 == 0 ? 0 : DOLU + i % 2;
    veri += bayt(k);
  }
  return veri + std::string(static_cast<std::size_t>(kuyruk), '\x01');
}

TEST(RecordScan, InFileOrder) {
  Calisma c;
  struct Durum {
    int adet;
    int kuyruk;  // bytes of an incomplete record at the end
  };
  // Cross the read block's boundary on both sides, with and without a tail.
  for (Durum d : {Durum{0, 0}, Durum{0, 375}, Durum{1, 0}, Durum{1, 5}, Durum{BLOK - 1, 0},
                  Durum{BLOK, 0}, Durum{BLOK, 375}, Durum{BLOK + 1, 1}, Durum{2 * BLOK + 7, 375}}) {
    std::string veri = hasta_dosyasi(d.adet, d.kuyruk);
    c.yaz("p.dat", veri);
    std::vector<hasta> kayitlar;
    std::vector<int64_t> siralar = tara(c.yol("p.dat"), &kayitlar);
    ASSERT_EQ(siralar.size(), static_cast<std::size_t>(d.adet)) << d.adet << "+" << d.kuyruk;
    for (int i = 0; i < d.adet; ++i) {
      ASSERT_EQ(siralar[i], i);
      ASSERT_EQ(bayt(kayitlar[i]), veri.substr(static_cast<std::size_t>(i) * 376, 376)) << i;
    }
  }
}

// The records handed out in place by `tarama`, back to back.
template <class R>
std::string yerinde_oku(Tarama<R>& tarama, std::vector<int64_t>* siralar = nullptr) {
  std::string s;
  while (const R* k = tarama.siradaki()) {
    s += bayt(*k);
    if (siralar) siralar->push_back(tarama.sira());
  }
  return s;
}

TEST(RecordScan, InPlace) {
  Calisma c;
  std::string hastalar = hasta_dosyasi(BLOK + 3, 100);
  std::string personeller;
  for (int i = 0; i < 30000; ++i) {
    personel p;
    std::memset(&p, 0, sizeof p);
    p.dolu = i % 5 == 0 ? 0 : DOLU;
    std::snprintf(p.isim, sizeof p.isim, "kisi%d", i);
    personeller += bayt(p);
  }
  std::string arsivler;
  for (int i = 0; i < 7000; ++i) {
    arsiv a;
    std::memset(&a, 0, sizeof a);
    a.dolu = DOLU;
    std::snprintf(a.tckimlik, sizeof a.tckimlik, "%011d", i);
    a.ucret = i * 0.25;
    arsivler += bayt(a);
  }
  c.yaz("p.dat", hastalar);
  c.yaz("s.dat", personeller + "abc");
  c.yaz("a.dat", arsivler + std::string(183, 'z'));
  Dosya p = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle);
  Dosya s = dosya_ac(c.yol("s.dat").c_str(), AcmaKipi::guncelle);
  Dosya a = dosya_ac(c.yol("a.dat").c_str(), AcmaKipi::guncelle);
  ASSERT_TRUE(p && s && a);
  {
    Tarama<hasta> t(p.akis());
    std::vector<int64_t> siralar;
    EXPECT_EQ(yerinde_oku(t, &siralar), hastalar.substr(0, hastalar.size() - 100));
    ASSERT_EQ(siralar.size(), static_cast<std::size_t>(BLOK + 3));
    EXPECT_EQ(siralar.back(), BLOK + 2);
    EXPECT_EQ(t.siradaki(), nullptr) << "the end stays the end";
  }
  Tarama<struct personel> ts(s.akis());
  EXPECT_EQ(yerinde_oku(ts), personeller);
  Tarama<arsiv> ta(a.akis());
  EXPECT_EQ(yerinde_oku(ta), arsivler);
}

// Two scans open at once, each on its own stream as each operation opens its
// own: the first has the large block, the second reads through its small
// one, and both hand out the whole file whatever the order of their reads.
TEST(RecordScan, TwoAtOnce) {
  Calisma c;
  std::string veri = hasta_dosyasi(BLOK + KUCUK_BLOK * 3 + 5, 17);
  c.yaz("p.dat", veri);
  std::string tam = veri.substr(0, veri.size() - 17);
  Dosya d[2] = {dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle),
                dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle)};
  std::string s[2];
  {
    Tarama<hasta> t0(d[0].akis());
    Tarama<hasta> t1(d[1].akis());
    Tarama<hasta>* t[2] = {&t0, &t1};
    for (bool devam = true; devam;) {
      devam = false;
      for (int i = 0; i < 2; ++i) {
        if (const hasta* k = t[i]->siradaki()) {
          s[i] += bayt(*k);
          devam = true;
        }
        if (s[i].size() == 376) {
          // After its first read each stream stands behind the block it read.
          EXPECT_EQ(std::ftell(d[i].akis()), static_cast<long>(i == 0 ? BLOK : KUCUK_BLOK) * 376);
        }
      }
    }
  }
  for (int i = 0; i < 2; ++i) EXPECT_EQ(s[i], tam) << "scan " << i;
  // Once both have ended, the large block is free again.
  Tarama<hasta> t(d[1].akis());
  ASSERT_NE(t.siradaki(), nullptr);
  EXPECT_EQ(std::ftell(d[1].akis()), static_cast<long>(BLOK) * 376);
}

// The way of the operations on one patient: find the first record that
// matches, copied out, then rewrite it over its slot through the same
// stream; the slot is right in every block.
TEST(RecordScan, FirstMatchRewrite) {
  Calisma c;
  std::string hepsi_dolu;
  for (int i = 0; i < 2 * BLOK + 3; ++i) hepsi_dolu += bayt(hasta_kaydi(numara(i)));
  for (int hedef : {0, KUCUK_BLOK, BLOK - 1, BLOK, BLOK + 1, 2 * BLOK + 2}) {
    std::string veri = hepsi_dolu + "tail";
    c.yaz("p.dat", veri);
    hasta yeni = hasta_kaydi(numara(777), "Ali Veli", "Yok", -2.5);
    {
      Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle);
      ASSERT_TRUE(d);
      char aranan[20];
      std::snprintf(aranan, sizeof aranan, "%011d", hedef);
      hasta bulunan;
      int64_t sira = ilk_kayit(d.akis(), bulunan,
                               [&](const hasta& k) { return alan_metin_esit(k.tckimlik, aranan); });
      ASSERT_EQ(sira, hedef);
      EXPECT_EQ(bayt(bulunan), veri.substr(static_cast<std::size_t>(hedef) * 376, 376));
      ASSERT_EQ(kayit_guncelle(d.akis(), sira, bulunan, yeni, Degisiklik{TUM_ALANLAR}),
                Yazim::yazildi);
    }
    std::string beklenen = veri;
    beklenen.replace(static_cast<std::size_t>(hedef) * 376, 376, bayt(yeni));
    ASSERT_EQ(c.oku("p.dat"), beklenen) << hedef;
  }
}

TEST(RecordRewrite, OneSlot) {
  Calisma c;
  hasta yeni = hasta_kaydi(numara(9), "Ali Veli", "Yok", 3.25);
  // The slot as the operation read it, and as another desk left it in the
  // meantime (a payment, a deletion): where every field must be as read (a
  // deletion, a password change) only the first is overwritten, and
  // otherwise the file stays byte for byte as it was.
  hasta okunan = hasta_kaydi(numara(2));
  hasta odenmis = okunan;
  odenmis.ucret += 5;
  for (const hasta& simdi : {okunan, odenmis, bos_kayit()}) {
    std::string veri =
        bayt(hasta_kaydi(numara(1))) + bayt(simdi) + bayt(hasta_kaydi(numara(3))) + "xyz";
    c.yaz("p.dat", veri);
    Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle);
    ASSERT_TRUE(d);
    bool ayni = bayt(simdi) == bayt(okunan);
    EXPECT_EQ(kayit_guncelle(d.akis(), 1, okunan, yeni, Degisiklik{TUM_ALANLAR}),
              ayni ? Yazim::yazildi : Yazim::yazilamadi);
    std::string beklenen = veri;
    if (ayni) beklenen.replace(376, 376, bayt(yeni));
    EXPECT_EQ(c.oku("p.dat"), beklenen);
  }
}

TEST(RecordRewrite, OddBalances) {
  Calisma c;
  // 3.25 holds the byte 10, 6.5 the byte 26, 3.63 the byte 13.
  const double ucretler[] = {3.25, 6.5, 3.63, 1.0000000000000022, -3.25};
  for (double u : ucretler) {
    hasta k = hasta_kaydi(numara(5), "Ali Veli", "Yok", u);
    std::string b = bayt(k);
    bool ozel = b.find('\n', 368) != std::string::npos || b.find('\r', 368) != std::string::npos ||
                b.find('\x1a', 368) != std::string::npos;
    EXPECT_TRUE(ozel) << u;
    c.yaz("p.dat", bayt(hasta_kaydi(numara(1))) + bayt(hasta_kaydi(numara(2))));
    {
      Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::ekle);
      ASSERT_EQ(kayit_ekle(d.akis(), c.yol("p.dat").c_str(), k), Yazim::yazildi);
      d.kapat();
      d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::guncelle);
      ASSERT_EQ(kayit_guncelle(d.akis(), 0, hasta_kaydi(numara(1)), k, Degisiklik{TUM_ALANLAR}),
                Yazim::yazildi);
      d.kapat();
      d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::ekle);
      ASSERT_EQ(kayit_ekle(d.akis(), c.yol("p.dat").c_str(), hasta_kaydi(numara(7))),
                Yazim::yazildi);
    }
    std::vector<hasta> kayitlar;
    ASSERT_EQ(tara(c.yol("p.dat"), &kayitlar).size(), 4u);
    EXPECT_EQ(bayt(kayitlar[0]), b);
    EXPECT_EQ(bayt(kayitlar[1]), bayt(hasta_kaydi(numara(2))));
    EXPECT_EQ(bayt(kayitlar[2]), b);
    EXPECT_EQ(bayt(kayitlar[3]), bayt(hasta_kaydi(numara(7))));
  }
}

TEST(RecordAppend, PadsTail) {
  Calisma c;
  for (int kuyruk : {0, 1, 200, 375}) {
    std::string veri =
        bayt(hasta_kaydi(numara(1))) + std::string(static_cast<std::size_t>(kuyruk), 'q');
    c.yaz("p.dat", veri);
    hasta yeni = hasta_kaydi(numara(2));
    {
      Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::ekle);
      ASSERT_TRUE(d);
      ASSERT_EQ(kayit_ekle(d.akis(), c.yol("p.dat").c_str(), yeni), Yazim::yazildi);
    }
    std::string beklenen = veri;
    beklenen.resize(kuyruk == 0 ? 376 : 752, '\0');
    beklenen += bayt(yeni);
    EXPECT_EQ(c.oku("p.dat"), beklenen) << kuyruk;
    EXPECT_EQ(tara(c.yol("p.dat")).size(), kuyruk == 0 ? 2u : 3u);
  }
}

// The first part of a record whose append was cut off must not become a
// patient in use when the next record is appended behind it.
TEST(RecordAppend, TornTailStaysFree) {
  Calisma c;
  std::string yarim_kayit = bayt(hasta_kaydi(numara(3)));
  for (std::size_t kuyruk : {1u, 4u, 200u, 375u}) {
    std::string ilk = bayt(hasta_kaydi(numara(1)));
    c.yaz("p.dat", ilk + yarim_kayit.substr(0, kuyruk));
    hasta yeni = hasta_kaydi(numara(2));
    {
      Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::ekle);
      ASSERT_TRUE(d);
      ASSERT_EQ(kayit_ekle(d.akis(), c.yol("p.dat").c_str(), yeni), Yazim::yazildi);
    }
    std::string bos_slot = yarim_kayit.substr(0, kuyruk);
    bos_slot[0] = '\0';
    bos_slot.resize(376, '\0');
    EXPECT_EQ(c.oku("p.dat"), ilk + bos_slot + bayt(yeni)) << kuyruk;
    std::vector<hasta> kayitlar;
    tara(c.yol("p.dat"), &kayitlar);
    int kullanilan = 0;
    for (const hasta& h : kayitlar) kullanilan += h.dolu == DOLU;
    EXPECT_EQ(kullanilan, 2) << kuyruk;
  }
}

TEST(RecordAppend, CreatesFile) {
  Calisma c;
  {
    Dosya d = dosya_ac(c.yol("s.dat").c_str(), AcmaKipi::ekle);
    ASSERT_TRUE(d);
    personel p;
    std::memset(&p, 0, sizeof p);
    p.dolu = DOLU;
    std::strcpy(p.isim, "ayse");
    ASSERT_EQ(kayit_ekle(d.akis(), c.yol("s.dat").c_str(), p), Yazim::yazildi);
  }
  EXPECT_EQ(c.boy("s.dat"), 44);
}

// A write that fails half-way (the file size limit stands in for a full disk)
// leaves the file exactly as it was, padding included.
TEST(RecordAppend, FailureCutsBack) {
  Calisma c;
  signal(SIGXFSZ, SIG_IGN);
  struct rlimit eski;
  getrlimit(RLIMIT_FSIZE, &eski);
  for (int kuyruk : {0, 10}) {
    std::string veri =
        bayt(hasta_kaydi(numara(1))) + std::string(static_cast<std::size_t>(kuyruk), 'q');
    c.yaz("p.dat", veri);
    Dosya d = dosya_ac(c.yol("p.dat").c_str(), AcmaKipi::ekle);
    ASSERT_TRUE(d);
    struct rlimit sinir = eski;
    sinir.rlim_cur = static_cast<rlim_t>(veri.size() + 100);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &sinir), 0);
    Yazim y = kayit_ekle(d.akis(), c.yol("p.dat").c_str(), hasta_kaydi(numara(2)));
    setrlimit(RLIMIT_FSIZE, &eski);
    EXPECT_EQ(y, Yazim::yazilamadi);
    d.kapat();
    EXPECT_EQ(c.oku("p.dat"), veri) << kuyruk;
  }
}

TEST(RecordOpen, RegularOnly) {
  Calisma c;
  EXPECT_FALSE(dosya_ac(c.yol("yok.dat").c_str(), AcmaKipi::guncelle));
  EXPECT_FALSE(c.var("yok.dat"));
  ASSERT_EQ(mkdir(c.yol("dizin.dat").c_str(), 0755), 0);
  EXPECT_FALSE(dosya_ac(c.yol("dizin.dat").c_str(), AcmaKipi::guncelle));
  EXPECT_FALSE(dosya_ac(c.yol("dizin.dat").c_str(), AcmaKipi::ekle));
  EXPECT_FALSE(dosya_ac(c.yol("dizin.dat").c_str(), AcmaKipi::yeni_metin));
  // A pipe at the path must neither block the open nor be read forever.
  ASSERT_EQ(mkfifo(c.yol("boru.dat").c_str(), 0644), 0);
  EXPECT_FALSE(dosya_ac(c.yol("boru.dat").c_str(), AcmaKipi::guncelle));
  EXPECT_FALSE(dosya_ac(c.yol("boru.dat").c_str(), AcmaKipi::ekle));
  EXPECT_FALSE(dosya_ac(c.yol("boru.dat").c_str(), AcmaKipi::yeni_metin));
  EXPECT_FALSE(dosya_ac("/dev/zero", AcmaKipi::guncelle));
  c.yaz("var.dat", "abc");
  EXPECT_TRUE(dosya_ac(c.yol("var.dat").c_str(), AcmaKipi::guncelle));
  EXPECT_EQ(c.oku("var.dat"), "abc");
  // The report is emptied only once its lock is held, never by the open.
  EXPECT_TRUE(dosya_ac(c.yol("var.dat").c_str(), AcmaKipi::yeni_metin));
  EXPECT_EQ(c.oku("var.dat"), "abc");
}

TEST(TextField, NoReadPastWidth) {
  hasta k;
  std::memset(&k, 'A', sizeof k);
  EXPECT_EQ(alan_boyu(k.tckimlik), 20u);
  EXPECT_EQ(alan_boyu(k.cinsiyet), 2u);
  EXPECT_TRUE(alan_esit(k.cinsiyet, "AA"));
  EXPECT_FALSE(alan_esit(k.cinsiyet, "AAA"));
  EXPECT_FALSE(alan_bos(k.ziyaret.gtarih));
  char metin[64];
  std::snprintf(metin, sizeof metin, "[%.*s]", ALAN(k.ziyaret.gsaat));
  EXPECT_STREQ(metin, "[AAAAAA]");
  arsiv a;
  std::memset(&a, 0, sizeof a);
  alan_kopyala(a.ziyaret.gsaat, k.ziyaret.gsaat);
  EXPECT_EQ(std::string(a.ziyaret.gsaat, 6), "AAAAAA") << "a full field is copied whole";
  std::memcpy(k.ziyaret.bolum, "Kbb\0xyz", 7);
  alan_kopyala(a.ziyaret.bolum, k.ziyaret.bolum);
  EXPECT_EQ(std::string(a.ziyaret.bolum, 20), std::string("Kbb", 3) + std::string(17, '\0'));
}

// A field against a text whose length was measured beforehand, as the scans
// compare their key with every record.
TEST(TextField, KnownLength) {
  char alan[6];
  struct Durum {
    const char* alan;  // 6 bytes
    const char* metin;
    bool esit;
  };
  for (Durum d : {Durum{"abc\0xy", "abc", true}, Durum{"abc\0xy", "ab", false},
                  Durum{"abc\0xy", "abcx", false}, Durum{"abcdef", "abcdef", true},
                  Durum{"abcdef", "abcde", false}, Durum{"abcdef", "abcdefg", false},
                  Durum{"\0bcdef", "", true}, Durum{"a\0\0\0\0\0", "", false}}) {
    std::memcpy(alan, d.alan, sizeof alan);
    EXPECT_EQ(alan_metin_esit(alan, d.metin, std::strlen(d.metin)), d.esit)
        << d.alan << " / " << d.metin;
    EXPECT_EQ(alan_metin_esit(alan, d.metin), d.esit);
  }
}

TEST(TextField, CopyNeverCuts) {
  char alan[10];
  std::memcpy(alan, "Bagkur\0\0\0", 10);
  ASSERT_TRUE(alan_koy(alan, "Yok"));
  EXPECT_EQ(std::string(alan, 10), std::string("Yok\0ur\0\0\0\0", 10));
  EXPECT_FALSE(alan_koy(alan, "0123456789"));
  EXPECT_EQ(std::string(alan, 10), std::string("Yok\0ur\0\0\0\0", 10));
  EXPECT_TRUE(alan_koy(alan, "012345678"));
  EXPECT_STREQ(alan, "012345678");
}

}  // namespace
