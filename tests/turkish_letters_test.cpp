// Turkish letters at a UTF-8 terminal: what is typed is stored in code page
// 857, one byte a letter, what is shown appears in UTF-8 with the columns
// where they belong, and through pipes the bytes pass unchanged.
#include <gtest/gtest.h>
#include <termios.h>

#include <map>
#include <string>
#include <vector>

#include "harness.h"
#include "pty_harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

// The code page 857 letters these tests use, with what a UTF-8 terminal
// shows for them.
const std::map<unsigned char, std::string> HARFLER = {
    {0x80, "Ç"}, {0x81, "ü"}, {0x87, "ç"}, {0x8D, "ı"}, {0x94, "ö"}, {0x98, "İ"},
    {0x99, "Ö"}, {0x9A, "Ü"}, {0x9E, "Ş"}, {0x9F, "ş"}, {0xA6, "Ğ"}, {0xA7, "ğ"},
};

// A screen as the terminal shows it: the clear sequence for the form feed,
// CR LF for every line end and UTF-8 for every code page 857 letter.
std::string terminalde(const std::string& ekran) {
  std::string s;
  for (unsigned char c : ekran) {
    if (c == '\f') {
      s += TEMIZLE;
    } else if (c == '\n') {
      s += "\r\n";
    } else if (c < 0x80) {
      s += static_cast<char>(c);
    } else if (HARFLER.count(c)) {
      s += HARFLER.at(c);
    } else {
      ADD_FAILURE() << "no letter " << int{c} << " in the test's table";
    }
  }
  return s;
}

// The characters of a UTF-8 line, one string each.
std::vector<std::string> karakterler(const std::string& satir) {
  std::vector<std::string> v;
  for (unsigned char c : satir) {
    if ((c & 0xC0) == 0x80 && !v.empty()) {
      v.back() += static_cast<char>(c);
    } else {
      v.emplace_back(1, static_cast<char>(c));
    }
  }
  return v;
}

// Checks that on every identity line of a shown list the sex letter stands
// under the heading's "C", in the 34th column, after a name padded to 20.
void sutunlar_hizali(const std::string& ekran, const std::vector<hasta>& hastalar) {
  std::size_t baslik = ekran.find("TC KIMLIK");
  ASSERT_NE(baslik, std::string::npos);
  std::vector<std::string> b = karakterler(ekran.substr(baslik, ekran.find('\r', baslik) - baslik));
  ASSERT_GT(b.size(), 35u);
  EXPECT_EQ(b[33], "C");
  for (const hasta& k : hastalar) {
    std::string tc = metin(k.tckimlik);
    std::size_t yer = ekran.find("\n" + tc + " ");
    ASSERT_NE(yer, std::string::npos) << tc;
    std::vector<std::string> s =
        karakterler(ekran.substr(yer + 1, ekran.find('\r', yer) - yer - 1));
    ASSERT_GT(s.size(), 35u) << tc;
    EXPECT_EQ(s[32] + s[33] + s[34], " " + metin(k.cinsiyet) + " ") << tc;
    EXPECT_EQ(s[35], std::string(1, k.dogum_tarih[0])) << tc;
  }
}

// 19 letters, 27 bytes of UTF-8.
const std::string ISIM_19 = "Ayşegül Gümüşçüoğlu";
const std::string ISIM_19_857 =
    "Ay\x9F"
    "eg\x81l G\x81m\x81\x9F\x87\x81o\xA7lu";
const std::string ISIM_20 = "Ayşegül Gümüşçüoğulu";

hasta turk_hasta(const std::string& tc, const std::string& isim_857) {
  return kayitli_hasta({tc, isim_857, "K", "14/03/1975", "Mu\xA7la", "0 Rh+", "Atat\x81rk Cd 5",
                        "Mu\xA7la", "K\x94yce\xA7iz", "2524567890", "Bekar", "Yok"});
}

// Types one answer and waits for the next prompt.
::testing::AssertionResult cevap(PtyOturumu& p, const std::string& yazilan,
                                 const std::string& istem) {
  p.gonder(yazilan + "\r");
  if (p.bekle(istem)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "after " << yazilan << " no " << istem;
}

TEST(TurkishLetters, NineteenLetterName) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  PtyOturumu p(c.dizin());
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("1\r");
  ASSERT_TRUE(p.bekle("TC Kimlik No: "));
  ASSERT_TRUE(cevap(p, "12345678901", "Ad&Soyad: "));
  // Refused, each asked again: 20 letters; a euro sign; letters code page
  // 857 lacks; bytes that are not UTF-8.
  for (const std::string& reddedilen : {ISIM_20, std::string("Ayşe €zgi"),
                                        std::string("Žana Жукова"), std::string("Ay\xC5se Kaya")}) {
    std::size_t bas = p.cikti().size();
    ASSERT_TRUE(cevap(p, reddedilen, "Ad&Soyad: "));
    // The terminal's echo of the line, then the same prompt.
    EXPECT_EQ(p.cikti().substr(bas), reddedilen + "\r\nAd&Soyad: ");
  }
  ASSERT_TRUE(cevap(p, ISIM_19, "Cinsiyet (Erkek:E Kadin:K): "));
  ASSERT_TRUE(cevap(p, "k", "Dogum Tarihi (Gun/Ay/Yil): "));
  ASSERT_TRUE(cevap(p, "14/03/1975", "Dogum Yeri: "));
  ASSERT_TRUE(cevap(p, "Muğla", "Kan Grubu: "));
  ASSERT_TRUE(cevap(p, "0 Rh+", "Adres: "));
  ASSERT_TRUE(cevap(p, "Atatürk Cd 5", "Il: "));
  ASSERT_TRUE(cevap(p, "Muğla", "Ilce: "));
  ASSERT_TRUE(cevap(p, "Köyceğiz", "Telefon No (0 Olmadan): "));
  ASSERT_TRUE(cevap(p, "2524567890", "Medeni Hal: "));
  ASSERT_TRUE(cevap(p, "bekar", "Sosyal Guvence: "));
  ASSERT_TRUE(cevap(p, "", "basiniz)"));
  hasta k = turk_hasta("12345678901", ISIM_19_857);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(k));

  // The report file keeps the stored bytes.
  p.gonder("x");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("12\r");
  ASSERT_TRUE(p.bekle("Rapor Basari ile Kaydedildi!"));
  EXPECT_NE(c.oku(RAPOR_DOSYASI).find("12345678901 " + ISIM_19_857 + "  K "), std::string::npos);
  p.gonder("x");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
}

TEST(TurkishLetters, ListedInUtf8) {
  WINDOWS_DISI("pseudo-terminal");
  std::vector<hasta> hastalar = {
      turk_hasta("12345678901", ISIM_19_857),
      kayitli_hasta({"23456789012",
                     "\x9E\x81kr\x81 \x80i\xA7"
                     "dem",
                     "E", "01/02/2000", "\x98zmir", "A Rh-", "G\x81l Sk 3", "\x98zmir",
                     "Kar\x9F\x8Dyaka", "5321234567", "Evli", "Ssk"}),
      kayitli_hasta({"34567890123", "Ali Veli", "E", "05/06/1980", "Ankara", "B Rh+", "Cad 1",
                     "Ankara", "Cankaya", "3121234567", "Dul", "Yok"}),
  };
  Calisma c;
  c.yaz(HASTA_DOSYASI, dosya(hastalar));
  PtyOturumu p(c.dizin());
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("4\r");
  std::string beklenen = terminalde(liste_ekrani(hastalar));
  ASSERT_NE(beklenen.find("Şükrü Çiğdem         E 01/02/2000 İzmir"), std::string::npos);
  ASSERT_TRUE(p.bekle(beklenen)) << p.cikti();
  sutunlar_hizali(beklenen, hastalar);
  p.gonder("x");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), dosya(hastalar)) << "listing changes nothing";
}

TEST(TurkishLetters, PasswordAsterisks) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, bayt(hesap("G\x81l\x9F"
                                     "en",
                                     "Do\xA7"
                                     "an1")));
  PtyOturumu p(c.dizin());
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("Gülşen\r");
  ASSERT_TRUE(p.bekle("Sifre: "));
  ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
  p.gonder("Doğan1\r");
  // Six letters and Enter: seven asterisks, then the menu with the name.
  ASSERT_TRUE(p.bekle(TEMIZLE + "PALVO HASTANE OTOMASYONU 1.0 (Gülşen)\r\n===== ANA MENU"));
  std::string sifre = p.cikti().substr(p.cikti().find("Sifre: "));
  EXPECT_EQ(sifre.substr(0, sifre.find(TEMIZLE)), "Sifre: *******");
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
}

TEST(TurkishLetters, BackspaceWholeLetter) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  c.yaz(PERSONEL_DOSYASI, bayt(hesap("G\x81l\x9F"
                                     "en",
                                     "gizli")));
  PtyOturumu p(c.dizin());
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  EXPECT_NE(p.kip().c_iflag & IUTF8, 0u) << "line editing knows UTF-8 while the program runs";
  // Had the erase taken only the last byte of "ş", the first byte would be
  // left in the line, which is then not UTF-8, and the login refused.
  p.gonder(
      "Gülş\x7f"
      "şen\r");
  ASSERT_TRUE(p.bekle("Sifre: "));
  p.gonder("gizli\r");
  ASSERT_TRUE(p.bekle("(Gülşen)\r\n===== ANA MENU"));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_EQ(p.kip().c_iflag & IUTF8, 0u) << "the terminal is left as it was found";
}

TEST(TurkishLetters, MultiByteKey) {
  WINDOWS_DISI("pseudo-terminal");
  struct Durum {
    const char* tus;
    const char* secim;
  };
  // A key cut short by a byte that cannot continue it leaves that byte to
  // the next read: here the first digit of the choice.
  for (Durum d : {Durum{"ş", "14\r"}, Durum{"€", "14\r"}, Durum{"😀", "14\r"}, Durum{"\xC5", "14\r"},
                  Durum{"\xC5"
                        "1",
                        "4\r"}}) {
    Calisma c;
    PtyOturumu p(c.dizin());
    ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
    p.gonder("13\r");
    ASSERT_TRUE(p.bekle("basiniz)"));
    ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
    p.gonder(d.tus);
    ASSERT_TRUE(p.bekle("Seciminiz: ")) << d.tus;
    // A byte of the key left over would spoil this choice.
    p.gonder(d.secim);
    EXPECT_EQ(p.bitis(), 0) << d.tus;
  }
}

TEST(TurkishLetters, PipesUnchanged) {
  // Typed in code page 857, the name is stored and shown as typed; the same
  // name in UTF-8 (27 bytes) does not fit the field and is asked again.
  std::vector<std::string> cevaplar = {"12345678901",
                                       ISIM_19,
                                       ISIM_19_857,
                                       "k",
                                       "14/03/1975",
                                       "Mu\xA7la",
                                       "0 Rh+",
                                       "Atat\x81rk Cd 5",
                                       "Mu\xA7la",
                                       "K\x94yce\xA7iz",
                                       "2524567890",
                                       "bekar",
                                       ""};
  hasta k = turk_hasta("12345678901", ISIM_19_857);
  std::string ekranda = ekran("HASTA EKLEME") + "TC Kimlik No: Ad&Soyad: Ad&Soyad: " +
                        "Cinsiyet (Erkek:E Kadin:K): Dogum Tarihi (Gun/Ay/Yil): Dogum Yeri: " +
                        "Kan Grubu: Adres: Il: Ilce: Telefon No (0 Olmadan): Medeni Hal: " +
                        "Sosyal Guvence: " + DONUS + menu_ekrani() + liste_ekrani({k});
  Calisma c;
  oturum(c, "1\n" + satirlar(cevaplar) + "x4\nx", ekranda);
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(k));
}

}  // namespace
