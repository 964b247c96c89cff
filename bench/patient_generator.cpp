#include "patient_generator.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char* const ADLAR[] = {
    "Ayse",  "Fatma",  "Emine",   "Hatice", "Zeynep",  "Elif",    "Meryem",   "Sultan",   "Esra",
    "Merve", "Mehmet", "Mustafa", "Ahmet",  "Ali",     "Huseyin", "Hasan",    "Ibrahim",  "Ismail",
    "Osman", "Yusuf",  "Murat",   "Omer",   "Ramazan", "Halil",   "Suleyman", "Abdullah", "Mahmut",
    "Recep", "Emre",   "Can",     "Deniz",  "Ece",     "Burak",   "Selin"};
const char* const SOYADLAR[] = {"Yilmaz",   "Kaya",   "Demir", "Sahin",   "Celik",  "Yildiz",
                                "Yildirim", "Ozturk", "Aydin", "Ozdemir", "Arslan", "Dogan",
                                "Kilic",    "Aslan",  "Cetin", "Kara",    "Koc",    "Kurt",
                                "Ozkan",    "Simsek", "Polat", "Erdogan", "Tekin",  "Bulut"};
const char* const ILLER[] = {"Istanbul", "Ankara",        "Izmir",   "Bursa",
                             "Antalya",  "Konya",         "Adana",   "Gaziantep",
                             "Kayseri",  "Kahramanmaras", "Trabzon", "Van"};
const char* const ILCELER[] = {"Merkez",   "Cankaya", "Konak",    "Kadikoy",   "Osmangazi",
                               "Selcuklu", "Seyhan",  "Sahinbey", "Melikgazi", "Onikisubat"};
const char* const BOLUMLER[] = {"Dahiliye", "Acil",     "Kardiyoloji", "Ortopedi",
                                "Kbb",      "Noroloji", "Cocuk",       "Goz"};
const char* const SIKAYETLER[] = {"Ates",  "Bas agrisi",    "Oksuruk", "Karin agrisi",
                                  "Kirik", "Nefes darligi", "Bulanti"};
const char* const TESHISLER[] = {"Grip",  "Migren", "Bronsit",   "Gastrit",
                                 "Kirik", "Astim",  "Zehirlenme"};
const char* const ILACLAR[] = {"Parol", "Aspirin", "Majezik", "Augmentin", "Ventolin", "Nexium"};
const char* const DOKTORLAR[] = {"Dr. Can Aksoy", "Dr. Ayse Tan", "Dr. Mert Uslu", "Dr. Nil Er"};
const char* const GUVENCELER[] = {"Yok", "Ssk", "Bagkur", "Emekli", "Ozel"};
const char* const MEDENI[] = {"Evli", "Bekar", "Dul"};
const char* const KAN[] = {"0 Rh+", "0 Rh-", "A Rh+", "A Rh-", "B Rh+", "AB Rh+"};

// A small, fast generator seeded by the record's number (splitmix64), so
// that the same count gives the same files and neighbours differ.
struct Zar {
  uint64_t s;
  explicit Zar(uint64_t tohum) : s(tohum) {}
  uint64_t operator()() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  template <std::size_t N>
  const char* sec(const char* const (&dizi)[N]) {
    return dizi[(*this)() % N];
  }
};

// Copies a text into a field, cut to the field's capacity.
template <std::size_t N>
void koy(char (&alan)[N], const char* metin) {
  std::size_t n = std::min(std::strlen(metin), N - 1);
  std::memcpy(alan, metin, n);
  alan[n] = '\0';
}

void tarih_koy(char (&alan)[20], Zar& zar, int ilk_yil, int yil_sayisi) {
  std::snprintf(alan, sizeof alan, "%02d/%02d/%04d", static_cast<int>(1 + zar() % 28),
                static_cast<int>(1 + zar() % 12), static_cast<int>(ilk_yil + zar() % yil_sayisi));
}

void saat_koy(char (&alan)[6], Zar& zar) {
  std::snprintf(alan, sizeof alan, "%02d:%02d", static_cast<int>(zar() % 24),
                static_cast<int>(zar() % 60));
}

std::string tc(long i) {
  char t[24];
  std::snprintf(t, sizeof t, "%011ld", 10000000000L + i * 37);
  return t;
}

bool silinmis(long i, long n) {
  return i % 53 == 17 && i != n - 1;
}

}  // namespace

hasta uretilen_hasta(long i, long n) {
  hasta k;
  std::memset(&k, 0, sizeof k);
  if (silinmis(i, n)) return k;
  Zar zar(static_cast<uint64_t>(i));
  k.dolu = DOLU;
  koy(k.tckimlik, tc(i).c_str());
  char isim[40];
  std::snprintf(isim, sizeof isim, "%s %s", zar.sec(ADLAR), zar.sec(SOYADLAR));
  koy(k.isim, isim);
  koy(k.cinsiyet, zar() % 2 ? "E" : "K");
  tarih_koy(k.dogum_tarih, zar, 1930, 90);
  koy(k.dogum_yer, zar.sec(ILLER));
  koy(k.medenihal, zar.sec(MEDENI));
  koy(k.guvence, zar.sec(GUVENCELER));
  koy(k.kan_grubu, zar.sec(KAN));
  char adres[40];
  std::snprintf(adres, sizeof adres, "Cumhuriyet Cad. No %d", static_cast<int>(1 + zar() % 200));
  koy(k.adres, adres);
  koy(k.il, zar.sec(ILLER));
  koy(k.ilce, zar.sec(ILCELER));
  char tel[20];
  std::snprintf(tel, sizeof tel, "%d%07d", static_cast<int>(212 + zar() % 300),
                static_cast<int>(zar() % 10000000));
  koy(k.telefon, tel);
  // Four in ten never came, two in ten are in the hospital, the rest went
  // home after an examination.
  uint64_t durum = zar() % 10;
  if (durum >= 4) {
    tarih_koy(k.ziyaret.gtarih, zar, 2015, 10);
    saat_koy(k.ziyaret.gsaat, zar);
    koy(k.ziyaret.bolum, zar.sec(BOLUMLER));
    koy(k.ziyaret.sikayet, zar.sec(SIKAYETLER));
  }
  if (durum >= 6) {
    koy(k.ziyaret.teshis, zar.sec(TESHISLER));
    koy(k.ziyaret.ilaclar, zar.sec(ILACLAR));
    koy(k.ziyaret.sorumlu, zar.sec(DOKTORLAR));
    tarih_koy(k.ziyaret.ctarih, zar, 2015, 10);
    saat_koy(k.ziyaret.csaat, zar);
    // Fees in lira and kurus; some paid more than they owed at the cashier.
    k.ucret = static_cast<double>(static_cast<long>(zar() % 500000) - 50000) / 100.0;
  }
  return k;
}

arsiv uretilen_arsiv(long j, long n) {
  arsiv a;
  std::memset(&a, 0, sizeof a);
  Zar zar(static_cast<uint64_t>(j) + 0x5151);
  long aralik = n < ARSIVDEKI_ZIYARET ? 1 : n / ARSIVDEKI_ZIYARET;
  long sahip =
      j % aralik == aralik - 1 ? n - 1 : static_cast<long>(zar() % static_cast<uint64_t>(n));
  if (silinmis(sahip, n)) sahip = n - 1;
  a.dolu = DOLU;
  koy(a.tckimlik, tc(sahip).c_str());
  tarih_koy(a.ziyaret.gtarih, zar, 2015, 10);
  saat_koy(a.ziyaret.gsaat, zar);
  koy(a.ziyaret.bolum, zar.sec(BOLUMLER));
  koy(a.ziyaret.sikayet, zar.sec(SIKAYETLER));
  koy(a.ziyaret.teshis, zar.sec(TESHISLER));
  koy(a.ziyaret.ilaclar, zar.sec(ILACLAR));
  koy(a.ziyaret.sorumlu, zar.sec(DOKTORLAR));
  tarih_koy(a.ziyaret.ctarih, zar, 2015, 10);
  saat_koy(a.ziyaret.csaat, zar);
  a.ucret = static_cast<double>(zar() % 200000) / 100.0;
  return a;
}

UretimBilgisi uretim_bilgisi(long n) {
  long kullanilan = 0;
  for (long i = 0; i < n; ++i) kullanilan += silinmis(i, n) ? 0 : 1;
  return {tc(n - 1), "99999999999", "zeynep", kullanilan};
}

namespace {

template <class R, class F>
bool yaz(const std::string& yol, long n, F uret) {
  FILE* f = std::fopen(yol.c_str(), "wb");
  if (f == nullptr) return false;
  std::vector<R> blok(4096);
  bool tamam = true;
  for (long i = 0; i < n && tamam;) {
    std::size_t m = 0;
    for (; m < blok.size() && i < n; ++m, ++i) blok[m] = uret(i, n);
    tamam = std::fwrite(blok.data(), sizeof(R), m, f) == m;
  }
  return std::fclose(f) == 0 && tamam;
}

}  // namespace

bool dosyalari_uret(long n, const std::string& hasta_yolu, const std::string& arsiv_yolu) {
  if (!yaz<hasta>(hasta_yolu, n, uretilen_hasta)) return false;
  return arsiv_yolu.empty() || yaz<arsiv>(arsiv_yolu, n, uretilen_arsiv);
}
