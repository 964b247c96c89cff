// Test-side helpers of the patient registry tests: patient records made
// directly as structs, patient files made of them, and the expected screens
// (cards, list, prompts) spelled out from the screen formats without using
// the program's own formatting code.
#pragma once

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "screens.h"
#include "store/records.h"

namespace kayitlar {

inline const std::string HASTA = "palvo.hasta.dat";

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

inline hasta bos_kayit() {
  hasta k;
  std::memset(&k, 0, sizeof k);
  return k;
}

// A registered patient, never admitted.
inline hasta hasta_kaydi(const std::string& tc, const std::string& isim) {
  hasta k = bos_kayit();
  k.dolu = DOLU;
  koy(k.tckimlik, tc);
  koy(k.isim, isim);
  koy(k.cinsiyet, "K");
  koy(k.dogum_tarih, "14/03/1975");
  koy(k.dogum_yer, "Izmir");
  koy(k.medenihal, "Bekar");
  koy(k.guvence, "Ssk");
  koy(k.kan_grubu, "0 Rh+");
  koy(k.adres, "Kordon Boyu 7");
  koy(k.il, "Izmir");
  koy(k.ilce, "Konak");
  koy(k.telefon, "2324567890");
  return k;
}

// The same patient admitted and discharged, with a balance.
inline hasta taburcu(hasta k, double ucret) {
  koy(k.gtarih, "02/01/2024");
  koy(k.gsaat, "09:30");
  koy(k.bolum, "Dahiliye");
  koy(k.sikayet, "Ates");
  koy(k.teshis, "Grip");
  koy(k.ilaclar, "Aspirin");
  koy(k.sorumlu, "Dr Ayse");
  koy(k.ctarih, "05/01/2024");
  koy(k.csaat, "16:45");
  k.ucret = ucret;
  return k;
}

// A file made of records back to back.
inline std::string dosya(const std::vector<hasta>& liste) {
  std::string s;
  for (const hasta& k : liste) s += bayt(k);
  return s;
}

inline hasta kayit_oku(const std::string& veri, std::size_t sira) {
  hasta k = bos_kayit();
  if (veri.size() >= (sira + 1) * sizeof(hasta)) {
    std::memcpy(&k, veri.data() + sira * sizeof(hasta), sizeof(hasta));
  }
  return k;
}

inline std::string bicim(const char* b, ...) {
  char tampon[4096];
  va_list ap;
  va_start(ap, b);
  int n = std::vsnprintf(tampon, sizeof tampon, b, ap);
  va_end(ap);
  return std::string(tampon, n > 0 ? static_cast<std::size_t>(n) : 0);
}

// The card of one patient, from its six line formats.
inline std::string kart(const hasta& k) {
#define KR_M(f) metin(k.f).c_str()
  std::string s =
      bicim("\n%11s %-20s %s %-10s %-10s %-6s %-10s", KR_M(tckimlik), KR_M(isim), KR_M(cinsiyet),
            KR_M(dogum_tarih), KR_M(dogum_yer), KR_M(medenihal), KR_M(kan_grubu));
  if (k.gtarih[0] == '\0') {
    s += bicim("\n%11s (%s)", "Giris:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (%s %s) (Bolum: %s) (Sikayet: %s)", "Giris:", KR_M(gtarih), KR_M(gsaat),
               KR_M(bolum), KR_M(sikayet));
  }
  if (k.ctarih[0] == '\0') {
    s += bicim("\n%11s (%s)", "Cikis:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (%s %s) (Teshis: %s) (Ilaclar: %s)", "Cikis:", KR_M(ctarih), KR_M(csaat),
               KR_M(teshis), KR_M(ilaclar));
  }
  if (k.sorumlu[0] == '\0') {
    s += bicim("\n%11s (%s)", "Muayene:", "Yapilmadi");
  } else {
    s += bicim("\n%11s (Sorumlu: %s) (Guvence: %s)", "Muayene:", KR_M(sorumlu), KR_M(guvence));
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

// The list screen showing `gosterilen` (the records in use, in file order).
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

// Lines typed one after another.
inline std::string satirlar(const std::vector<std::string>& cevaplar) {
  std::string s;
  for (const std::string& c : cevaplar) s += c + "\n";
  return s;
}

// Runs one whole session (login, `govde`, 14) in `c` and checks that it
// ended normally with exactly the screens of `beklenen`.
inline void oturum(const Calisma& c, const std::string& govde, const std::string& beklenen) {
  Sonuc s = c.calistir(oturum_girdisi(govde));
  EXPECT_FALSE(s.zaman_asimi);
  EXPECT_EQ(s.durum, 0);
  EXPECT_EQ(s.cikti, oturum_ekrani(beklenen));
}

}  // namespace kayitlar
