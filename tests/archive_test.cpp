// The examination archive viewer end to end: every archived examination of
// one patient in file order, the running number, the fee of each
// examination, and the archive keyed by the identity number alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "record_kit.h"

namespace {

using namespace kayit_kiti;

const std::string TC = "12345678901";

// One archived examination.
arsiv muayene_kaydi(const std::string& tc, const std::string& gtarih, const std::string& bolum,
                    const std::string& sorumlu, double ucret) {
  hasta k = hasta_kaydi(tc, "Kimse Bilinmez");
  k = cikmis(kabul_edilmis(k, gtarih, "08:15", "Bas Agrisi", bolum), sorumlu, "Migren", "Aspirin",
             "05/01/2024", "17:40");
  return arsiv_kaydi(k, ucret);
}

// The four lines of entry number `i`: its number right-aligned in two
// columns, and every label ending in column 11.
std::string giris(int i, const arsiv& a) {
  return bicim("%2d)  Giris: (", i) + metin(a.ziyaret.gtarih) + " " + metin(a.ziyaret.gsaat) +
         ") (Bolum: " + metin(a.ziyaret.bolum) + ") (Sikayet: " + metin(a.ziyaret.sikayet) + ")\n" +
         "     Cikis: (" + metin(a.ziyaret.ctarih) + " " + metin(a.ziyaret.csaat) +
         ") (Teshis: " + metin(a.ziyaret.teshis) + ") (Ilaclar: " + metin(a.ziyaret.ilaclar) +
         ")\n" + "   Muayene: (Sorumlu: " + metin(a.ziyaret.sorumlu) + ")\n" + "     Ucret: (" +
         para(a.ucret) + " TL)\n";
}

std::string arsiv_ekrani(const hasta& k, const std::string& icerik) {
  return oturum_ekrani(bulunan("MUAYENE ARSIVI", k) + icerik + DONUS);
}

TEST(Archive, InFileOrder) {
  Calisma c;
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz", "Yok", 500);
  std::string hastalar = dosya({hasta_kaydi("98765432109", "Zeynep Demir"), k});
  c.yaz(HASTA_DOSYASI, hastalar);

  arsiv a1 = muayene_kaydi(TC, "02/01/2024", "Noroloji", "Dr Ayse Kaya", 100);
  arsiv b = muayene_kaydi("98765432109", "03/01/2024", "Kbb", "Dr Can Oz", 55);
  arsiv a2 = muayene_kaydi(TC, "04/02/2024", "Dahiliye", "Dr Can Oz", 0);
  arsiv bos = a1;  // a slot that is not in use is skipped
  bos.dolu = 0;
  arsiv iki = a1;
  iki.dolu = 2;
  arsiv a3 = muayene_kaydi(TC, "04/02/2024", "Dahiliye", "Dr Ali Veli", -12.5);
  // An incomplete tail holding the start of another entry is never shown.
  std::string arsivler = dosya({a1, b, a2, bos, iki, a3}) + bayt(a1).substr(0, 100);
  c.yaz(ARSIV_DOSYASI, arsivler);

  Sonuc s = oturum(c, "11\n" + TC + "\nx");
  EXPECT_EQ(s.cikti, arsiv_ekrani(k, giris(1, a1) + giris(2, a2) + giris(3, a3)));
  // The fee of each examination, never the balance; spelled out once.
  EXPECT_NE(s.cikti.find("\n\n 1)  Giris: (02/01/2024 08:15) (Bolum: Noroloji) (Sikayet: Bas "
                         "Agrisi)\n"
                         "     Cikis: (05/01/2024 17:40) (Teshis: Migren) (Ilaclar: Aspirin)\n"
                         "   Muayene: (Sorumlu: Dr Ayse Kaya)\n"
                         "     Ucret: (100.00 TL)\n"
                         " 2)  Giris: (04/02/2024 08:15) (Bolum: Dahiliye) (Sikayet: Bas "
                         "Agrisi)\n"),
            std::string::npos);
  EXPECT_NE(s.cikti.find("     Ucret: (0.00 TL)\n 3)"), std::string::npos);
  EXPECT_NE(s.cikti.find("     Ucret: (-12.50 TL)\n" + DONUS), std::string::npos);
  // The viewer only reads.
  EXPECT_EQ(c.oku(HASTA_DOSYASI), hastalar);
  EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsivler);
}

TEST(Archive, HundredthEntry) {
  Calisma c;
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz");
  c.yaz(HASTA_DOSYASI, bayt(k));
  std::vector<arsiv> kayitlar;
  std::string beklenen;
  for (int i = 1; i <= 101; ++i) {
    kayitlar.push_back(muayene_kaydi(TC, "02/01/2024", "Noroloji", "Dr Ayse Kaya", i));
    beklenen += giris(i, kayitlar.back());
  }
  c.yaz(ARSIV_DOSYASI, dosya(kayitlar));

  Sonuc s = oturum(c, "11\nAhmet Yilmaz\nx");
  EXPECT_EQ(s.cikti, arsiv_ekrani(k, beklenen));
  EXPECT_NE(s.cikti.find("\n 9)  Giris: (02/01/2024"), std::string::npos);
  EXPECT_NE(s.cikti.find("\n99)  Giris: (02/01/2024"), std::string::npos);
  EXPECT_NE(s.cikti.find("     Ucret: (99.00 TL)\n100)  Giris: (02/01/2024 08:15) (Bolum: "
                         "Noroloji) (Sikayet: Bas Agrisi)\n     Cikis: (05/01/2024 17:40)"),
            std::string::npos);
  EXPECT_NE(s.cikti.find("\n101)  Giris:"), std::string::npos);
}

TEST(Archive, Unopenable) {
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz");
  {
    SCOPED_TRACE("no archive yet");
    Calisma c;
    c.yaz(HASTA_DOSYASI, bayt(k));
    Sonuc s = oturum(c, "11\n" + TC + "\nx");
    EXPECT_EQ(s.cikti, arsiv_ekrani(k, "Dosya Acilamadi!"));
    // Opening for reading never creates the archive.
    EXPECT_FALSE(c.var(ARSIV_DOSYASI));
  }
  {
    SCOPED_TRACE("a directory in its place");
    Calisma c;
    c.yaz(HASTA_DOSYASI, bayt(k));
    ASSERT_EQ(mkdir(c.yol(ARSIV_DOSYASI).c_str(), 0755), 0);
    Sonuc s = oturum(c, "11\n" + TC + "\nx");
    EXPECT_EQ(s.cikti, arsiv_ekrani(k, "Dosya Acilamadi!"));
  }
}

TEST(Archive, NoEntry) {
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz");
  arsiv baska = muayene_kaydi("98765432109", "02/01/2024", "Noroloji", "Dr Ayse Kaya", 1);
  arsiv bos = muayene_kaydi(TC, "02/01/2024", "Noroloji", "Dr Ayse Kaya", 1);
  bos.dolu = 0;
  for (const std::string& arsivler :
       {std::string(), dosya({baska, bos}),
        bayt(muayene_kaydi(TC, "02/01/2024", "Kbb", "Dr A B", 1)).substr(0, 183)}) {
    SCOPED_TRACE(arsivler.size());
    Calisma c;
    c.yaz(HASTA_DOSYASI, bayt(k));
    c.yaz(ARSIV_DOSYASI, arsivler);
    Sonuc s = oturum(c, "11\n" + TC + "\nx");
    EXPECT_EQ(s.cikti, arsiv_ekrani(k, "Hastanin Arsiv Kaydi Bulunamadi!"));
    EXPECT_EQ(c.oku(ARSIV_DOSYASI), arsivler);
  }
}

// Entries belong to an identity number, not to a slot: a changed number
// leaves them behind, and a new patient under a deleted patient's number
// finds them again.
TEST(Archive, ByIdentityNumber) {
  arsiv eski = muayene_kaydi(TC, "02/01/2024", "Noroloji", "Dr Ayse Kaya", 80);
  arsiv yeni = muayene_kaydi("11111111111", "06/03/2024", "Kbb", "Dr Can Oz", 20);
  {
    SCOPED_TRACE("number changed");
    Calisma c;
    hasta k = hasta_kaydi("11111111111", "Ahmet Yilmaz");
    c.yaz(HASTA_DOSYASI, bayt(k));
    c.yaz(ARSIV_DOSYASI, dosya({eski, yeni}));
    Sonuc s = oturum(c, "11\nahmet yilmaz\nx");
    EXPECT_EQ(s.cikti, arsiv_ekrani(k, giris(1, yeni)));
  }
  {
    SCOPED_TRACE("deleted, then registered again");
    Calisma c;
    hasta silinmis = bos_kayit();
    hasta k = hasta_kaydi(TC, "Mehmet Kaya", "SSK");
    c.yaz(HASTA_DOSYASI, dosya({silinmis, k}));
    c.yaz(ARSIV_DOSYASI, dosya({eski, yeni}));
    Sonuc s = oturum(c, "11\n" + TC + "\nx");
    EXPECT_EQ(s.cikti, arsiv_ekrani(k, giris(1, eski)));
  }
}

// A patient file written by other means may hold a number longer than the 11
// digits registration stores. The whole stored number is the key: such a
// patient never sees the examinations of the patient whose number it begins
// with, nor the other way round.
TEST(Archive, LongerNumberWhole) {
  Calisma c;
  hasta uzun = hasta_kaydi("123456789012345", "Uzun Numara");
  hasta kisa = hasta_kaydi(TC, "Ahmet Yilmaz");
  c.yaz(HASTA_DOSYASI, dosya({uzun, kisa}));
  arsiv kisanin = muayene_kaydi(TC, "02/01/2024", "Noroloji", "Dr Ayse Kaya", 80);
  arsiv uzunun = muayene_kaydi("123456789012345", "06/03/2024", "Kbb", "Dr Can Oz", 20);
  c.yaz(ARSIV_DOSYASI, dosya({kisanin, uzunun}));

  Sonuc s = oturum(c, "11\n123456789012345\nx11\n" + TC + "\ny");
  EXPECT_EQ(s.cikti, oturum_ekrani(bulunan("MUAYENE ARSIVI", uzun) + giris(1, uzunun) + DONUS +
                                   menu_ekrani() + bulunan("MUAYENE ARSIVI", kisa) +
                                   giris(1, kisanin) + DONUS));

  // With only the short number's entry, the long number finds nothing.
  c.yaz(ARSIV_DOSYASI, bayt(kisanin));
  s = oturum(c, "11\n123456789012345\nx");
  EXPECT_EQ(s.cikti, arsiv_ekrani(uzun, "Hastanin Arsiv Kaydi Bulunamadi!"));
}

// A whole visit through the program: admitted, discharged twice, admitted
// again; the viewer shows the two finished examinations, not the open visit.
TEST(Archive, ThroughTheProgram) {
  Calisma c;
  hasta k = hasta_kaydi(TC, "Ahmet Yilmaz", "Yok", 0);
  c.yaz(HASTA_DOSYASI, bayt(k));

  Sonuc s = oturum(c,
                   "5\n" + TC + "\n02/01/2024\n08:15\nbas agrisi\nnoroloji\na" +  //
                       "6\n" + TC + "\ndr ayse kaya\nmigren\naspirin\n05/01/2024\n17:40\n150\nb" +
                       "6\n" + TC + "\ndr can oz\nmigren\nparol\n06/01/2024\n10:00\n25.5\nc" +
                       "5\n" + TC + "\n07/01/2024\n09:00\nates\ndahiliye\nd" +  //
                       "11\n" + TC + "\ne");

  EXPECT_EQ(c.boy(ARSIV_DOSYASI), 2 * 184);
  std::string beklenen =
      " 1)  Giris: (02/01/2024 08:15) (Bolum: Noroloji) (Sikayet: Bas Agrisi)\n"
      "     Cikis: (05/01/2024 17:40) (Teshis: Migren) (Ilaclar: Aspirin)\n"
      "   Muayene: (Sorumlu: Dr Ayse Kaya)\n"
      "     Ucret: (150.00 TL)\n"
      " 2)  Giris: (02/01/2024 08:15) (Bolum: Noroloji) (Sikayet: Bas Agrisi)\n"
      "     Cikis: (06/01/2024 10:00) (Teshis: Migren) (Ilaclar: Parol)\n"
      "   Muayene: (Sorumlu: Dr Can Oz)\n"
      "     Ucret: (25.50 TL)\n" +
      DONUS + menu_ekrani();
  ASSERT_GE(s.cikti.size(), beklenen.size());
  EXPECT_EQ(s.cikti.substr(s.cikti.size() - beklenen.size()), beklenen);

  hasta son = kayit_oku(c.oku(HASTA_DOSYASI), 0);
  EXPECT_EQ(son.ucret, 175.5);
  EXPECT_EQ(metin(son.ziyaret.gtarih), "07/01/2024");
  EXPECT_EQ(metin(son.ziyaret.sikayet), "Ates");
  EXPECT_TRUE(metin(son.ziyaret.ctarih).empty());
  EXPECT_TRUE(metin(son.ziyaret.sorumlu).empty());
}

}  // namespace
