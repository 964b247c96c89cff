// The three record layouts of the data files. Each struct is byte for byte
// one record of its file: little-endian ints and doubles, fixed-width text
// fields ended by a NUL, no padding, no header.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(std::endian::native == std::endian::little, "the record files are little-endian");
static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8,
              "balances are stored as IEEE 754 binary64");

inline constexpr const char* HASTA_DOSYASI = "palvo.hasta.dat";
inline constexpr const char* PERSONEL_DOSYASI = "palvo.per.dat";
inline constexpr const char* ARSIV_DOSYASI = "palvo.arsiv.dat";
inline constexpr const char* RAPOR_DOSYASI = "palvo.rapor.txt";

// Only this value of `dolu` marks a record in use; any other is a free slot.
inline constexpr int32_t DOLU = 1;

// The texts of one visit, in the same order and widths in the patient record
// and in the archive record: admission, complaint and department, then what
// the discharge adds.
struct Ziyaret {
  char gtarih[20];
  char gsaat[6];
  char bolum[20];
  char sikayet[20];
  char teshis[20];
  char ilaclar[20];
  char sorumlu[20];
  char ctarih[20];
  char csaat[6];
};

static_assert(sizeof(Ziyaret) == 152 && alignof(Ziyaret) == 1);

// One patient.
struct hasta {
  int32_t dolu;
  char tckimlik[20];
  char isim[20];
  char cinsiyet[2];
  char dogum_tarih[20];
  char dogum_yer[20];
  char medenihal[10];
  char guvence[10];
  char kan_grubu[10];
  char adres[40];
  char il[20];
  char ilce[20];
  char telefon[20];
  Ziyaret ziyaret;
  double ucret;
};

static_assert(sizeof(hasta) == 376);
static_assert(offsetof(hasta, dolu) == 0);
static_assert(offsetof(hasta, tckimlik) == 4);
static_assert(offsetof(hasta, isim) == 24);
static_assert(offsetof(hasta, cinsiyet) == 44);
static_assert(offsetof(hasta, dogum_tarih) == 46);
static_assert(offsetof(hasta, dogum_yer) == 66);
static_assert(offsetof(hasta, medenihal) == 86);
static_assert(offsetof(hasta, guvence) == 96);
static_assert(offsetof(hasta, kan_grubu) == 106);
static_assert(offsetof(hasta, adres) == 116);
static_assert(offsetof(hasta, il) == 156);
static_assert(offsetof(hasta, ilce) == 176);
static_assert(offsetof(hasta, telefon) == 196);
static_assert(offsetof(hasta, ziyaret) == 216);
static_assert(offsetof(hasta, ziyaret.gtarih) == 216);
static_assert(offsetof(hasta, ziyaret.gsaat) == 236);
static_assert(offsetof(hasta, ziyaret.bolum) == 242);
static_assert(offsetof(hasta, ziyaret.sikayet) == 262);
static_assert(offsetof(hasta, ziyaret.teshis) == 282);
static_assert(offsetof(hasta, ziyaret.ilaclar) == 302);
static_assert(offsetof(hasta, ziyaret.sorumlu) == 322);
static_assert(offsetof(hasta, ziyaret.ctarih) == 342);
static_assert(offsetof(hasta, ziyaret.csaat) == 362);
static_assert(offsetof(hasta, ucret) == 368);

// One finished examination, appended by the discharge.
struct arsiv {
  int32_t dolu;
  char tckimlik[20];
  Ziyaret ziyaret;
  double ucret;
};

static_assert(sizeof(arsiv) == 184);
static_assert(offsetof(arsiv, dolu) == 0);
static_assert(offsetof(arsiv, tckimlik) == 4);
static_assert(offsetof(arsiv, ziyaret) == 24);
static_assert(offsetof(arsiv, ziyaret.gtarih) == 24);
static_assert(offsetof(arsiv, ziyaret.gsaat) == 44);
static_assert(offsetof(arsiv, ziyaret.bolum) == 50);
static_assert(offsetof(arsiv, ziyaret.sikayet) == 70);
static_assert(offsetof(arsiv, ziyaret.teshis) == 90);
static_assert(offsetof(arsiv, ziyaret.ilaclar) == 110);
static_assert(offsetof(arsiv, ziyaret.sorumlu) == 130);
static_assert(offsetof(arsiv, ziyaret.ctarih) == 150);
static_assert(offsetof(arsiv, ziyaret.csaat) == 170);
static_assert(offsetof(arsiv, ucret) == 176);

// One staff account.
struct personel {
  int32_t dolu;
  char isim[20];
  char sifre[20];
};

// `personel` also names the staff registration operation; wherever both are
// seen, the record is `struct personel`.
static_assert(sizeof(struct personel) == 44);
static_assert(offsetof(struct personel, dolu) == 0);
static_assert(offsetof(struct personel, isim) == 4);
static_assert(offsetof(struct personel, sifre) == 24);

// The longest of the three records.
inline constexpr std::size_t EN_UZUN_KAYIT = sizeof(hasta);
static_assert(sizeof(arsiv) <= EN_UZUN_KAYIT && sizeof(struct personel) <= EN_UZUN_KAYIT);
