// The report file (menu 12) end to end: the file byte for byte, its cards
// equal to the list screen's, a report without patients, rewriting, and the
// files that cannot be opened or written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fault_kit.h"
#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

// A newly registered patient: no visit, balance 0. Its birthplace field
// holds leftovers behind the NUL, which no reader may show.
hasta yeni_hasta() {
  hasta k = kayitli_hasta({"12345678901", "Ayse Yilmaz", "K", "01/02/1980", "", "A+",
                           "Ataturk Cad. 5", "Ankara", "Cankaya", "3121234567", "Evli", "SSK"});
  std::memcpy(k.dogum_yer, "Ankara\0ZZZZZZZ", 14);
  return k;
}

const std::string YENI_KART =
    "\n12345678901 Ayse Yilmaz          K 01/02/1980 Ankara     Evli   A+        "
    "\n     Giris: (Yapilmadi)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (0.00 TL)"
    "\n  Iletisim: (Ataturk Cad. 5 Cankaya/Ankara) (Tel: 3121234567)"
    "\n\n";

// Admitted, discharged and examined; a birthplace longer than its column.
hasta muayeneli_hasta() {
  hasta k = kayitli_hasta({"123", "Mehmet Ali Oz", "E", "15/06/1975", "Kahramanmaras", "0 Rh-",
                           "Cumhuriyet Mah. 12 Sok. No 4", "Kahramanmaras", "Onikisubat",
                           "3442223344", "Bekar", "Yok"});
  koy(k.ziyaret.gtarih, "03/04/2024");
  koy(k.ziyaret.gsaat, "09:30");
  koy(k.ziyaret.bolum, "Dahiliye");
  koy(k.ziyaret.sikayet, "Ates");
  koy(k.ziyaret.teshis, "Grip");
  koy(k.ziyaret.ilaclar, "Parol");
  koy(k.ziyaret.sorumlu, "Dr. Can");
  koy(k.ziyaret.ctarih, "05/04/2024");
  koy(k.ziyaret.csaat, "14:15");
  k.ucret = 1234.5;
  return k;
}

const std::string MUAYENELI_KART =
    "\n        123 Mehmet Ali Oz        E 15/06/1975 Kahramanmaras Bekar  0 Rh-     "
    "\n     Giris: (03/04/2024 09:30) (Bolum: Dahiliye) (Sikayet: Ates)"
    "\n     Cikis: (05/04/2024 14:15) (Teshis: Grip) (Ilaclar: Parol)"
    "\n   Muayene: (Sorumlu: Dr. Can) (Guvence: Yok)"
    "\n     Ucret: (1234.50 TL)"
    "\n  Iletisim: (Cumhuriyet Mah. 12 Sok. No 4 Onikisubat/Kahramanmaras) (Tel: 3442223344)"
    "\n\n";

// Admitted, not discharged; a 19-character name; a negative balance whose
// encoding holds the byte 10; empty address and telephone.
hasta yatan_hasta() {
  hasta k = kayitli_hasta({"98765432109", "Abdurrahman Yildiri", "E", "29/02/2000", "Izmir",
                           "AB Rh+", "", "Izmir", "Konak", "", "Dul", "Bagkur"});
  koy(k.ziyaret.gtarih, "10/10/2024");
  koy(k.ziyaret.gsaat, "23:59");
  koy(k.ziyaret.bolum, "Acil");
  koy(k.ziyaret.sikayet, "Bas agrisi");
  k.ucret = -3.25;
  return k;
}

const std::string YATAN_KART =
    "\n98765432109 Abdurrahman Yildiri  E 29/02/2000 Izmir      Dul    AB Rh+    "
    "\n     Giris: (10/10/2024 23:59) (Bolum: Acil) (Sikayet: Bas agrisi)"
    "\n     Cikis: (Yapilmadi)"
    "\n   Muayene: (Yapilmadi)"
    "\n     Ucret: (-3.25 TL)"
    "\n  Iletisim: ( Konak/Izmir) (Tel: )"
    "\n\n";

// Three patients among a deleted slot, a record whose `dolu` is 2 and an
// incomplete tail.
std::string karisik_dosya() {
  return dosya({yeni_hasta(), bos_kayit(), muayeneli_hasta(), kullanilmayan(yeni_hasta(), 2),
                yatan_hasta()}) +
         bayt(yeni_hasta()).substr(0, 100);
}

const std::string KARISIK_RAPOR =
    BASLIK + YENI_KART + MUAYENELI_KART + YATAN_KART + "\n(Toplam 3 hasta kayitli)";

std::string rapor_ekrani(const std::string& ileti) {
  return ekran("HASTA LISTELEME") + ileti + DONUS;
}

std::string basarili() {
  return rapor_ekrani("\nRapor Basari ile Kaydedildi!");
}

// The report file begins with the 74-character heading line.
TEST(Report, HeadingWidth) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, karisik_dosya());
  oturum(c, "12\nx", basarili());
  std::string rapor = c.oku(RAPOR_DOSYASI);
  std::size_t son = rapor.find(metin_dosyasi("\n"));
  ASSERT_NE(son, std::string::npos);
  EXPECT_EQ(son, 74u);
  EXPECT_EQ(rapor.substr(0, 9), "TC KIMLIK");
}

TEST(Report, ByteForByte) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, karisik_dosya());
  oturum(c, "12\nx", basarili());
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), metin_dosyasi(KARISIK_RAPOR));
  // The patient file is only read.
  EXPECT_EQ(c.oku(HASTA_DOSYASI), karisik_dosya());
}

// The report's heading, cards and count line are the list screen's, for the
// same file, apart from the list's leading line break.
TEST(Report, CardsAsOnScreen) {
  Calisma c;
  hasta uzun = muayeneli_hasta();
  koy(uzun.isim, std::string(19, 'U'));
  koy(uzun.adres, std::string(39, 'A'));
  uzun.ucret = 6.5;
  c.yaz(HASTA_DOSYASI, karisik_dosya() + bayt(uzun));
  Sonuc s = c.calistir(oturum_girdisi("4\nx12\ny"));
  ASSERT_EQ(s.durum, 0);
  const std::string liste_basi = ekran("HASTA LISTELEME");
  std::size_t bas = s.cikti.find(liste_basi);
  ASSERT_NE(bas, std::string::npos);
  bas += liste_basi.size();
  std::size_t son = s.cikti.find(DONUS, bas);
  ASSERT_NE(son, std::string::npos);
  std::string liste = s.cikti.substr(bas, son - bas);
  ASSERT_EQ(liste.substr(0, 1 + BASLIK.size()), "\n" + BASLIK);
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), metin_dosyasi(liste.substr(1)));
  EXPECT_NE(liste.find("\n(Toplam 4 hasta kayitli)"), std::string::npos);
  // And the report screen itself follows the list.
  EXPECT_EQ(s.cikti.substr(son + DONUS.size()), menu_ekrani() + basarili() + menu_ekrani());
}

// Without a patient in use the report still holds two lines; the screen
// says there are no patients.
TEST(Report, NoPatients) {
  const std::string bos_rapor = BASLIK + "\n(Toplam 0 hasta kayitli)";
  for (const std::string& hastalar :
       {std::string(), dosya({bos_kayit(), bos_kayit()}), std::string(375, '\0')}) {
    SCOPED_TRACE(hastalar.size());
    Calisma c;
    c.yaz(HASTA_DOSYASI, hastalar);
    oturum(c, "12\nx", rapor_ekrani("\nKayitli Hasta Yok!"));
    EXPECT_EQ(c.oku(RAPOR_DOSYASI), metin_dosyasi(bos_rapor));
  }
}

TEST(Report, Twice) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, karisik_dosya());
  oturum(c, "12\nx12\ny", basarili() + menu_ekrani() + basarili());
  std::string ilk = c.oku(RAPOR_DOSYASI);
  oturum(c, "12\nx");
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), ilk);
  EXPECT_EQ(ilk, metin_dosyasi(KARISIK_RAPOR));
}

// "w" empties the file: a longer earlier report leaves nothing behind.
TEST(Report, ShorterReport) {
  Calisma c;
  c.yaz(RAPOR_DOSYASI, std::string(20000, 'E'));
  c.yaz(HASTA_DOSYASI, bayt(yeni_hasta()));
  oturum(c, "12\nx", basarili());
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), metin_dosyasi(BASLIK + YENI_KART + "\n(Toplam 1 hasta kayitli)"));
}

TEST(Report, NoPatientFile) {
  Calisma c;
  c.yaz(RAPOR_DOSYASI, "ESKI RAPOR\n");
  oturum(c, "12\nx", rapor_ekrani("Dosya Acilamadi!"));
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), "ESKI RAPOR\n");
  EXPECT_FALSE(c.var(HASTA_DOSYASI));

  Calisma d;
  ASSERT_EQ(mkdir(d.yol(HASTA_DOSYASI).c_str(), 0755), 0);
  oturum(d, "12\nx", rapor_ekrani("Dosya Acilamadi!"));
  EXPECT_FALSE(d.var(RAPOR_DOSYASI));
}

TEST(Report, Unopenable) {
  Calisma c;
  c.yaz(HASTA_DOSYASI, bayt(yeni_hasta()));
  ASSERT_EQ(mkdir(c.yol(RAPOR_DOSYASI).c_str(), 0755), 0);
  oturum(c, "12\nx", rapor_ekrani("Dosya Olusturulamadi!"));
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(yeni_hasta()));
}

// A report that cannot be written whole (a full disk) is not reported as
// saved.
TEST(Report, WriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  for (long sinir : {0L, 100L, static_cast<long>(KARISIK_RAPOR.size()) - 1}) {
    Calisma c;
    c.yaz(HASTA_DOSYASI, karisik_dosya());
    EXPECT_EQ(oturum(c, "12\nx", sinir).cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")))
        << sinir;
  }
  // Without patients as well: no "Kayitli Hasta Yok!" for a report that
  // was not written.
  Calisma c;
  c.yaz(HASTA_DOSYASI, "");
  EXPECT_EQ(oturum(c, "12\nx", 10L).cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")));
  // With exactly enough room the report is written whole.
  Calisma d;
  d.yaz(HASTA_DOSYASI, karisik_dosya());
  EXPECT_EQ(oturum(d, "12\nx", static_cast<long>(KARISIK_RAPOR.size())).cikti,
            oturum_ekrani(basarili()));
  EXPECT_EQ(d.oku(RAPOR_DOSYASI), KARISIK_RAPOR);
}

// More patients than one read block of the patient file and many blocks of
// report text: the patient file, and the report expected from it.
struct BuyukDosya {
  std::string veri;
  std::string rapor;
};

BuyukDosya buyuk_dosya() {
  BuyukDosya b;
  b.rapor = BASLIK;
  const hasta ornekler[] = {yeni_hasta(), muayeneli_hasta(), yatan_hasta()};
  int adet = 0;
  for (int i = 0; i < 3000; ++i) {
    hasta k = ornekler[i % 3];
    std::snprintf(k.tckimlik, sizeof k.tckimlik, "%011d", 20000000 + i);
    k.ucret = i * 0.375 - 100;
    if (i % 11 == 5) k.dolu = 0;
    b.veri += bayt(k);
    if (k.dolu == DOLU) {
      b.rapor += kart(k);
      ++adet;
    }
  }
  b.rapor += "\n(Toplam " + std::to_string(adet) + " hasta kayitli)";
  return b;
}

// Every card still lands, in file order.
TEST(Report, LargeFile) {
  BuyukDosya b = buyuk_dosya();
  Calisma c;
  c.yaz(HASTA_DOSYASI, b.veri);
  oturum(c, "12\nx", basarili());
  EXPECT_EQ(c.oku(RAPOR_DOSYASI), metin_dosyasi(b.rapor));
}

// A disk that fills up half-way is still not reported as a saved report.
TEST(Report, LargeFileWriteFails) {
  WINDOWS_DISI("file size limit (RLIMIT_FSIZE) to stand in for a full disk");
  BuyukDosya b = buyuk_dosya();
  Calisma d;
  d.yaz(HASTA_DOSYASI, b.veri);
  EXPECT_EQ(oturum(d, "12\nx", static_cast<long>(b.rapor.size() / 2)).cikti,
            oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")));
}

// A report that was written but could not be put on disk is not a saved
// report either.
TEST(Report, SyncFails) {
  WINDOWS_DISI("preloaded fault library");
  // The first sync puts the report's bytes on disk, the second its name in
  // the directory: without either, a power cut may leave no report.
  for (const char* hangisi : {"1", "2"}) {
    SCOPED_TRACE(hangisi);
    Calisma c;
    c.yaz(HASTA_DOSYASI, karisik_dosya());
    ariza::Ariza a({{"SIM_ESITLE_HATASI", hangisi}});
    EXPECT_EQ(oturum(c, "12\nx").cikti, oturum_ekrani(rapor_ekrani("Dosya Olusturulamadi!")));
  }
}

// A report path that is the patient file under another name, through a hard
// or a symbolic link, is not written: the patients stay.
TEST(Report, LinkedToThePatientFile) {
  WINDOWS_DISI("links made by the test through POSIX calls");
  for (bool sembolik : {false, true}) {
    SCOPED_TRACE(sembolik ? "symbolic link" : "hard link");
    Calisma c;
    c.yaz(HASTA_DOSYASI, karisik_dosya());
    std::string rapor = c.yol(RAPOR_DOSYASI);
    ASSERT_EQ(sembolik ? symlink(HASTA_DOSYASI, rapor.c_str())
                       : link(c.yol(HASTA_DOSYASI).c_str(), rapor.c_str()),
              0);
    oturum(c, "12\nx", rapor_ekrani("Dosya Olusturulamadi!"));
    EXPECT_EQ(c.oku(HASTA_DOSYASI), karisik_dosya());
  }
}

}  // namespace
