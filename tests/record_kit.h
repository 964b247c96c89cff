// Test-side helpers shared by the end-to-end tests: records made directly as
// structs and files made of them, the patient card and list spelled out from
// their screen formats without using the program's own formatting code, and
// the runners of a whole scripted session and of a session at a terminal.
#pragma once

#include <gtest/gtest.h>
#include <termios.h>

#include <chrono>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

#include "harness.h"
#include "pty_harness.h"
#include "screens.h"
#include "store/records.h"

namespace kayit_kiti {

// ---- Fields ----

// Puts a text with its NUL into a field, as strcpy does: what stands behind
// the NUL stays. A text that does not fit fails the test.
template <std::size_t N>
void koy(char (&alan)[N], const std::string& metin) {
  ASSERT_LT(metin.size(), N) << metin;
  std::memcpy(alan, metin.c_str(), metin.size() + 1);
}

// Fills a field to its whole width with no NUL at all (a file written by
// other means).
template <std::size_t N>
void doldur(char (&alan)[N], const std::string& metin) {
  ASSERT_EQ(metin.size(), N) << metin;
  std::memcpy(alan, metin.data(), N);
}

// A field's text up to its first NUL, or its whole width.
template <std::size_t N>
std::string metin(const char (&alan)[N]) {
  return std::string(alan, strnlen(alan, N));
}

// ---- Records and files ----

// A record of any kind with every byte zero.
template <class R = hasta>
R bos_kayit() {
  R k;
  std::memset(&k, 0, sizeof k);
  return k;
}

// The same record in a slot that is not in use.
template <class R>
R kullanilmayan(R k, int32_t dolu = 0) {
  k.dolu = dolu;
  return k;
}

// Calls `f` on each of the twelve personal fields of a patient, in the order
// registration and editing ask for them: number, name, sex, birth date, birth
// place, blood group, address, province, district, telephone, marital status,
// social security.
template <class H, class F>
void kisisel_alanlar(H& k, F&& f) {
  f(k.tckimlik);
  f(k.isim);
  f(k.cinsiyet);
  f(k.dogum_tarih);
  f(k.dogum_yer);
  f(k.kan_grubu);
  f(k.adres);
  f(k.il);
  f(k.ilce);
  f(k.telefon);
  f(k.medenihal);
  f(k.guvence);
}

// Puts `deger` into personal field number `alan` of that order.
inline void alana_koy(hasta& k, int alan, const std::string& deger) {
  ASSERT_TRUE(alan >= 0 && alan < 12) << "no field " << alan;
  int i = 0;
  kisisel_alanlar(k, [&](auto& a) {
    if (i++ == alan) koy(a, deger);
  });
}

// The texts of the twelve personal fields, in that order.
inline std::vector<std::string> kisisel_degerler(const hasta& k) {
  std::vector<std::string> v;
  kisisel_alanlar(k, [&](const auto& a) { v.push_back(metin(a)); });
  return v;
}

// A registered patient: in use, the twelve personal fields in that order,
// every other byte zero (no visit, balance 0).
inline hasta kayitli_hasta(const std::vector<std::string>& alanlar) {
  EXPECT_EQ(alanlar.size(), 12u);
  hasta k = bos_kayit();
  k.dolu = DOLU;
  for (std::size_t i = 0; i < alanlar.size() && i < 12; ++i) {
    alana_koy(k, static_cast<int>(i), alanlar[i]);
  }
  return k;
}

// The identity number `no` as eleven digits, zeros in front.
inline std::string numara(long long no) {
  std::string s = std::to_string(no);
  return std::string(s.size() < 11 ? 11 - s.size() : 0, '0') + s;
}

// A registered patient, never admitted: the identity number and the name,
// the kit's own values in the other personal fields, `guvence` as social
// security ("Yok" makes discharge ask for a fee) and `ucret` as balance.
inline hasta hasta_kaydi(const std::string& tc, const std::string& isim = "Ali Veli",
                         const std::string& guvence = "Yok", double ucret = 0) {
  hasta k = kayitli_hasta({tc, isim, "K", "14/03/1975", "Izmir", "0 Rh+", "Kordon Boyu 7", "Izmir",
                           "Konak", "2324567890", "Bekar", guvence});
  k.ucret = ucret;
  return k;
}

// The same patient with an open visit.
inline hasta kabul_edilmis(hasta k, const std::string& gtarih = "02/01/2024",
                           const std::string& gsaat = "08:15", const std::string& sikayet = "Ates",
                           const std::string& bolum = "Dahiliye") {
  koy(k.ziyaret.gtarih, gtarih);
  koy(k.ziyaret.gsaat, gsaat);
  koy(k.ziyaret.sikayet, sikayet);
  koy(k.ziyaret.bolum, bolum);
  return k;
}

// The same patient after the visit has been closed.
inline hasta cikmis(hasta k, const std::string& sorumlu = "Dr Ayse Kaya",
                    const std::string& teshis = "Grip", const std::string& ilaclar = "Parol",
                    const std::string& ctarih = "05/01/2024", const std::string& csaat = "17:40") {
  koy(k.ziyaret.sorumlu, sorumlu);
  koy(k.ziyaret.teshis, teshis);
  koy(k.ziyaret.ilaclar, ilaclar);
  koy(k.ziyaret.ctarih, ctarih);
  koy(k.ziyaret.csaat, csaat);
  return k;
}

// A patient admitted and discharged once, with the balance `ucret`.
inline hasta taburcu(const hasta& k, double ucret) {
  hasta t = cikmis(kabul_edilmis(k, "02/01/2024", "09:30"), "Dr Ayse", "Grip", "Aspirin",
                   "05/01/2024", "16:45");
  t.ucret = ucret;
  return t;
}

// An archived examination as the discharge of `k` leaves it: every byte
// behind a copied text zero, and the fee of this one examination.
inline arsiv arsiv_kaydi(const hasta& k, double ucret) {
  arsiv a = bos_kayit<arsiv>();
  a.dolu = DOLU;
  koy(a.tckimlik, metin(k.tckimlik));
  koy(a.ziyaret.gtarih, metin(k.ziyaret.gtarih));
  koy(a.ziyaret.gsaat, metin(k.ziyaret.gsaat));
  koy(a.ziyaret.bolum, metin(k.ziyaret.bolum));
  koy(a.ziyaret.sikayet, metin(k.ziyaret.sikayet));
  koy(a.ziyaret.teshis, metin(k.ziyaret.teshis));
  koy(a.ziyaret.ilaclar, metin(k.ziyaret.ilaclar));
  koy(a.ziyaret.sorumlu, metin(k.ziyaret.sorumlu));
  koy(a.ziyaret.ctarih, metin(k.ziyaret.ctarih));
  koy(a.ziyaret.csaat, metin(k.ziyaret.csaat));
  a.ucret = ucret;
  return a;
}

// A staff account: the name and the password, every other byte zero.
inline personel hesap(const std::string& isim, const std::string& sifre, int32_t dolu = DOLU) {
  personel p = bos_kayit<personel>();
  p.dolu = dolu;
  koy(p.isim, isim);
  koy(p.sifre, sifre);
  return p;
}

// A file made of records back to back.
template <class R>
std::string dosya(const std::vector<R>& kayitlar) {
  std::string s;
  for (const R& k : kayitlar) s += bayt(k);
  return s;
}
template <class R>
std::string dosya(std::initializer_list<R> kayitlar) {
  return dosya(std::vector<R>(kayitlar));
}

// Record number `sira` of a file's bytes; a file too short for it fails the
// test.
template <class R = hasta>
R kayit_oku(const std::string& dosya_bayti, std::size_t sira) {
  R k = bos_kayit<R>();
  if (dosya_bayti.size() >= (sira + 1) * sizeof(R)) {
    std::memcpy(&k, dosya_bayti.data() + sira * sizeof(R), sizeof(R));
  } else {
    ADD_FAILURE() << "no record " << sira << " in a file of " << dosya_bayti.size() << " bytes";
  }
  return k;
}

// ---- Screens ----

// printf into a string.
inline std::string bicim(const char* b, ...) {
  char tampon[4096];
  va_list ap;
  va_start(ap, b);
  int n = std::vsnprintf(tampon, sizeof tampon, b, ap);
  va_end(ap);
  return std::string(tampon, n > 0 ? static_cast<std::size_t>(n) : 0);
}

// An amount as the screens show it.
inline std::string para(double v) {
  return bicim("%.2f", v);
}

// The card of one patient, from its six line formats: identity, admission,
// discharge, examination, fee and contact, each starting with a line break,
// then one empty line.
inline std::string kart(const hasta& k) {
#define KR_M(f) metin(k.f).c_str()
  std::string s =
      bicim("\n%11s %-20s %s %-10s %-10s %-6s %-10s", KR_M(tckimlik), KR_M(isim), KR_M(cinsiyet),
            KR_M(dogum_tarih), KR_M(dogum_yer), KR_M(medenihal), KR_M(kan_grubu));
  if (k.ziyaret.gtarih[0] == '\0') {
    s += bicim("\n%11s (%s)", "Giris:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (%s %s) (Bolum: %s) (Sikayet: %s)", "Giris:", KR_M(ziyaret.gtarih),
               KR_M(ziyaret.gsaat), KR_M(ziyaret.bolum), KR_M(ziyaret.sikayet));
  }
  if (k.ziyaret.ctarih[0] == '\0') {
    s += bicim("\n%11s (%s)", "Cikis:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (%s %s) (Teshis: %s) (Ilaclar: %s)", "Cikis:", KR_M(ziyaret.ctarih),
               KR_M(ziyaret.csaat), KR_M(ziyaret.teshis), KR_M(ziyaret.ilaclar));
  }
  if (k.ziyaret.sorumlu[0] == '\0') {
    s += bicim("\n%11s (%s)", "Muayene:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (Sorumlu: %s) (Guvence: %s)", "Muayene:", KR_M(ziyaret.sorumlu),
               KR_M(guvence));
  }
  s += bicim("\n%11s (%.2f TL)", "Ucret:", k.ucret);
  s += bicim("\n%11s (%s %s/%s) (Tel: %s)", "Iletisim:", KR_M(adres), KR_M(ilce), KR_M(il),
             KR_M(telefon));
  s += "\n\n";
#undef KR_M
  return s;
}

// The list's column heading: 74 characters ending in four blanks.
inline const std::string BASLIK =
    "TC KIMLIK   ISIM                 C D. TARIHI  D. YERI    M. HAL KAN G.    ";

// The list screen showing `gosterilen` (the records in use, in file order),
// ending with its return prompt.
inline std::string liste_ekrani(const std::vector<hasta>& gosterilen) {
  std::string s = ekran("HASTA LISTELEME") + "\n" + BASLIK;
  for (const hasta& k : gosterilen) s += kart(k);
  if (gosterilen.empty()) {
    s += "\nKayitli Hasta Yok!";
  } else {
    s += "\n(Toplam " + std::to_string(gosterilen.size()) + " hasta kayitli)";
  }
  return s + DONUS;
}

inline std::string liste_acilamadi() {
  return ekran("HASTA LISTELEME") + "Dosya Acilamadi!" + DONUS;
}

// The start of every operation on one patient: its header and the lookup's
// prompt, then (once found) the patient's card.
inline std::string bulma_istemi(const std::string& baslik) {
  return ekran(baslik) + "TC Kimlik veya Isim: ";
}
inline std::string bulunan(const std::string& baslik, const hasta& k) {
  return bulma_istemi(baslik) + kart(k);
}

// ---- Typed input ----

// Lines typed one after the other.
inline std::string satirlar(const std::vector<std::string>& cevaplar) {
  std::string s;
  for (const std::string& c : cevaplar) s += c + "\n";
  return s;
}

inline std::string tekrar(const std::string& s, std::size_t kez) {
  std::string r;
  for (std::size_t i = 0; i < kez; ++i) r += s;
  return r;
}

// ---- Sessions ----

// Runs one whole session (login, `govde`, 14) in `c` and checks that it ended
// normally. A `dosya_siniri` of zero or more makes writes beyond it fail.
inline Sonuc oturum(const Calisma& c, const std::string& govde, long dosya_siniri = -1) {
  Sonuc s = c.calistir(oturum_girdisi(govde), 30, dosya_siniri);
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  return s;
}

// The same, and checks that it showed exactly the screens of `beklenen`
// between the first and the last menu.
inline void oturum(const Calisma& c, const std::string& govde, const std::string& beklenen) {
  EXPECT_EQ(oturum(c, govde).cikti, oturum_ekrani(beklenen));
}

// ---- At a terminal ----

// The console clear a terminal gets before every screen.
inline const std::string TEMIZLE = "\x1b[H\x1b[2J\x1b[3J";

// Logs in with the built-in account and waits for the main menu; fails the
// test when a prompt does not come (call it in ASSERT_NO_FATAL_FAILURE).
inline void menuye_gir(PtyOturumu& p) {
  ASSERT_TRUE(p.bekle("Kullanici Adi: ")) << "no name prompt";
  p.gonder("nobet\r");
  ASSERT_TRUE(p.bekle("Sifre: ")) << "no password prompt";
  p.gonder("nobet\r");
  ASSERT_TRUE(p.bekle("Seciminiz: ")) << "no main menu";
}

// Waits until the program has switched the terminal to its single-key mode
// (no echo, no line editing), as a person would not type ahead of the
// question; fails the test when it does not within `ms`.
inline void tek_tus_kipini_bekle(const PtyOturumu& p, int ms = 5000) {
  auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while ((p.kip().c_lflag & (ECHO | ICANON)) != 0) {
    ASSERT_LT(std::chrono::steady_clock::now(), son) << "the terminal stays in line mode";
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace kayit_kiti
