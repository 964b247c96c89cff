// Test-side helpers of the visit tests (admission, discharge, cashier,
// archive): records made directly as structs, and the expected screens spelled
// out from the screen formats, without using the program's own formatting.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "screens.h"
#include "store/records.h"

namespace visits {

// Puts a text with its NUL into a field, as strcpy does: what stands behind
// the NUL stays. A text that does not fit fails the test.
template <std::size_t N>
void koy(char (&alan)[N], const std::string& metin) {
  ASSERT_LT(metin.size(), N) << metin;
  std::memcpy(alan, metin.c_str(), metin.size() + 1);
}

// A field's text up to its first NUL (or its whole width).
template <std::size_t N>
std::string metin(const char (&alan)[N]) {
  return std::string(alan, strnlen(alan, N));
}

// A registered patient: the twelve personal fields, every visit field empty.
inline hasta hasta_kaydi(const std::string& tc, const std::string& isim,
                         const std::string& guvence = "Yok", double ucret = 0) {
  hasta k;
  std::memset(&k, 0, sizeof k);
  k.dolu = DOLU;
  koy(k.tckimlik, tc);
  koy(k.isim, isim);
  koy(k.cinsiyet, "E");
  koy(k.dogum_tarih, "14/03/1975");
  koy(k.dogum_yer, "Ankara");
  koy(k.medenihal, "Evli");
  koy(k.guvence, guvence);
  koy(k.kan_grubu, "A Rh+");
  koy(k.adres, "Ataturk Cad. No 5");
  koy(k.il, "Ankara");
  koy(k.ilce, "Cankaya");
  koy(k.telefon, "3124567890");
  k.ucret = ucret;
  return k;
}

// The same patient with an open visit.
inline hasta kabul_edilmis(hasta k, const std::string& gtarih = "02/01/2024",
                           const std::string& gsaat = "08:15", const std::string& sikayet = "Ates",
                           const std::string& bolum = "Dahiliye") {
  koy(k.gtarih, gtarih);
  koy(k.gsaat, gsaat);
  koy(k.sikayet, sikayet);
  koy(k.bolum, bolum);
  return k;
}

// The same patient after the visit has been closed.
inline hasta cikmis(hasta k, const std::string& sorumlu = "Dr Ayse Kaya",
                    const std::string& teshis = "Grip", const std::string& ilaclar = "Parol",
                    const std::string& ctarih = "05/01/2024", const std::string& csaat = "17:40") {
  koy(k.sorumlu, sorumlu);
  koy(k.teshis, teshis);
  koy(k.ilaclar, ilaclar);
  koy(k.ctarih, ctarih);
  koy(k.csaat, csaat);
  return k;
}

// An archived examination as the discharge of `k` leaves it: every byte
// behind a copied text zero, and the fee of this one examination.
inline arsiv arsiv_kaydi(const hasta& k, double ucret) {
  arsiv a;
  std::memset(&a, 0, sizeof a);
  a.dolu = DOLU;
  koy(a.tckimlik, metin(k.tckimlik));
  koy(a.gtarih, metin(k.gtarih));
  koy(a.gsaat, metin(k.gsaat));
  koy(a.bolum, metin(k.bolum));
  koy(a.sikayet, metin(k.sikayet));
  koy(a.teshis, metin(k.teshis));
  koy(a.ilaclar, metin(k.ilaclar));
  koy(a.sorumlu, metin(k.sorumlu));
  koy(a.ctarih, metin(k.ctarih));
  koy(a.csaat, metin(k.csaat));
  a.ucret = ucret;
  return a;
}

template <class R>
std::string dosya(const std::vector<R>& kayitlar) {
  std::string s;
  for (const R& k : kayitlar) s += bayt(k);
  return s;
}

template <class R>
R kayit_oku(const std::string& dosya_bayti, std::size_t sira) {
  R k;
  std::memset(&k, 0, sizeof k);
  if (dosya_bayti.size() >= (sira + 1) * sizeof(R)) {
    std::memcpy(&k, dosya_bayti.data() + sira * sizeof(R), sizeof(R));
  } else {
    ADD_FAILURE() << "no record " << sira << " in a file of " << dosya_bayti.size() << " bytes";
  }
  return k;
}

// Text right-aligned or left-aligned in `genislik` columns, never cut.
inline std::string sag(const std::string& s, std::size_t genislik) {
  return s.size() >= genislik ? s : std::string(genislik - s.size(), ' ') + s;
}
inline std::string sol(const std::string& s, std::size_t genislik) {
  return s.size() >= genislik ? s : s + std::string(genislik - s.size(), ' ');
}

inline std::string para(double v) {
  char t[512];
  std::snprintf(t, sizeof t, "%.2f", v);
  return t;
}

// The patient card: identity, admission, discharge, examination, fee and
// contact lines, each starting with a line break, then one empty line.
inline std::string kart(const hasta& k) {
  std::string s = "\n" + sag(metin(k.tckimlik), 11) + " " + sol(metin(k.isim), 20) + " " +
                  metin(k.cinsiyet) + " " + sol(metin(k.dogum_tarih), 10) + " " +
                  sol(metin(k.dogum_yer), 10) + " " + sol(metin(k.medenihal), 6) + " " +
                  sol(metin(k.kan_grubu), 10);
  if (k.gtarih[0] == '\0') {
    s += "\n     Giris: (Yapilmadi)";
  } else {
    s += "\n     Giris: (" + metin(k.gtarih) + " " + metin(k.gsaat) +
         ") (Bolum: " + metin(k.bolum) + ") (Sikayet: " + metin(k.sikayet) + ")";
  }
  if (k.ctarih[0] == '\0') {
    s += "\n     Cikis: (Yapilmadi)";
  } else {
    s += "\n     Cikis: (" + metin(k.ctarih) + " " + metin(k.csaat) +
         ") (Teshis: " + metin(k.teshis) + ") (Ilaclar: " + metin(k.ilaclar) + ")";
  }
  if (k.sorumlu[0] == '\0') {
    s += "\n   Muayene: (Yapilmadi)";
  } else {
    s += "\n   Muayene: (Sorumlu: " + metin(k.sorumlu) + ") (Guvence: " + metin(k.guvence) + ")";
  }
  s += "\n     Ucret: (" + para(k.ucret) + " TL)";
  s += "\n  Iletisim: (" + metin(k.adres) + " " + metin(k.ilce) + "/" + metin(k.il) +
       ") (Tel: " + metin(k.telefon) + ")";
  return s + "\n\n";
}

// The patient list screen with the cards of the patients in use, ending with
// its return prompt.
inline std::string liste(const std::vector<hasta>& hastalar) {
  std::string s = ekran("HASTA LISTELEME") +
                  "\nTC KIMLIK   ISIM                 C D. TARIHI  D. YERI    M. HAL KAN G.    ";
  int n = 0;
  for (const hasta& k : hastalar) {
    if (k.dolu != DOLU) continue;
    s += kart(k);
    ++n;
  }
  s += n == 0 ? "\nKayitli Hasta Yok!" : "\n(Toplam " + std::to_string(n) + " hasta kayitli)";
  return s + DONUS;
}

// The start of every operation on one patient: its header, the lookup's
// prompt and the patient's card.
inline std::string bulunan(const std::string& baslik, const hasta& k) {
  return ekran(baslik) + "TC Kimlik veya Isim: " + kart(k);
}

inline std::string tekrar(const std::string& s, int kez) {
  std::string r;
  for (int i = 0; i < kez; ++i) r += s;
  return r;
}

// Lines typed one after the other.
inline std::string satirlar(const std::vector<std::string>& s) {
  std::string r;
  for (const std::string& x : s) r += x + "\n";
  return r;
}

// Runs one whole session and checks that it ended normally.
inline Sonuc oturum(const Calisma& c, const std::string& govde, long dosya_siniri = -1) {
  Sonuc s = c.calistir(oturum_girdisi(govde), 30, dosya_siniri);
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  return s;
}

}  // namespace visits
