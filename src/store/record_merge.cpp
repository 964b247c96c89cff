#include "store/record_merge.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

// Where one field lies in its record.
struct AlanYeri {
  std::size_t bas;
  std::size_t boy;
};

#define ALAN_YERI(R, alan)             \
  AlanYeri {                           \
    offsetof(R, alan), sizeof(R::alan) \
  }

constexpr AlanYeri HASTA_ALANLARI[] = {
    ALAN_YERI(hasta, dolu),
    ALAN_YERI(hasta, tckimlik),
    ALAN_YERI(hasta, isim),
    ALAN_YERI(hasta, cinsiyet),
    ALAN_YERI(hasta, dogum_tarih),
    ALAN_YERI(hasta, dogum_yer),
    ALAN_YERI(hasta, medenihal),
    ALAN_YERI(hasta, guvence),
    ALAN_YERI(hasta, kan_grubu),
    ALAN_YERI(hasta, adres),
    ALAN_YERI(hasta, il),
    ALAN_YERI(hasta, ilce),
    ALAN_YERI(hasta, telefon),
    ALAN_YERI(hasta, ziyaret.gtarih),
    ALAN_YERI(hasta, ziyaret.gsaat),
    ALAN_YERI(hasta, ziyaret.bolum),
    ALAN_YERI(hasta, ziyaret.sikayet),
    ALAN_YERI(hasta, ziyaret.teshis),
    ALAN_YERI(hasta, ziyaret.ilaclar),
    ALAN_YERI(hasta, ziyaret.sorumlu),
    ALAN_YERI(hasta, ziyaret.ctarih),
    ALAN_YERI(hasta, ziyaret.csaat),
    ALAN_YERI(hasta, ucret),
};
constexpr std::size_t HASTA_BAKIYESI = 22;

constexpr AlanYeri PERSONEL_ALANLARI[] = {
    ALAN_YERI(personel, dolu),
    ALAN_YERI(personel, isim),
    ALAN_YERI(personel, sifre),
};

#undef ALAN_YERI

// The table covers the record, field after field, and the named sets point
// at the fields they mean.
constexpr bool butun(const AlanYeri* a, std::size_t n, std::size_t boy) {
  std::size_t son = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i].bas != son) return false;
    son += a[i].boy;
  }
  return son == boy;
}
static_assert(butun(HASTA_ALANLARI, std::size(HASTA_ALANLARI), sizeof(hasta)));
static_assert(butun(PERSONEL_ALANLARI, std::size(PERSONEL_ALANLARI), sizeof(personel)));
static_assert(std::size(HASTA_ALANLARI) <= 32);
static_assert(HASTA_ALANLARI[1].bas == offsetof(hasta, tckimlik));
static_assert(HASTA_ALANLARI[7].bas == offsetof(hasta, guvence));
static_assert(HASTA_ALANLARI[13].bas == offsetof(hasta, ziyaret) &&
              HASTA_ALANLARI[21].bas + HASTA_ALANLARI[21].boy == offsetof(hasta, ucret));
static_assert(HASTA_ALANLARI[HASTA_BAKIYESI].bas == offsetof(hasta, ucret));

constexpr std::size_t HIC = ~std::size_t{0};

// The merge over the fields of any record; the field numbered `bakiye`, if
// any, is left to the caller when the operation adds an amount.
template <class R, std::size_t N>
Birlesim alan_alan(const R& okunan, const R& yeni, const R& simdi, const Degisiklik& d, R& sonuc,
                   const AlanYeri (&alanlar)[N], std::size_t bakiye) {
  if (std::memcmp(&simdi, &okunan, sizeof(R)) == 0) {
    sonuc = yeni;
    return Birlesim::birlesti;
  }
  const auto* o = reinterpret_cast<const unsigned char*>(&okunan);
  const auto* y = reinterpret_cast<const unsigned char*>(&yeni);
  const auto* s = reinterpret_cast<const unsigned char*>(&simdi);
  auto ayni = [](const unsigned char* a, const unsigned char* b, const AlanYeri& alan) {
    return std::memcmp(a + alan.bas, b + alan.bas, alan.boy) == 0;
  };
  // The first field is `dolu`, the second the record's key.
  if (simdi.dolu != DOLU || ((d.sabit & (1u << 1)) != 0 && !ayni(s, o, alanlar[1]))) {
    return Birlesim::baskasi;
  }
  sonuc = simdi;
  auto* z = reinterpret_cast<unsigned char*>(&sonuc);
  for (std::size_t i = 0; i < N; ++i) {
    const AlanYeri& alan = alanlar[i];
    bool onlar = !ayni(s, o, alan);
    if (onlar && (d.sabit & (Alanlar{1} << i)) != 0) return Birlesim::cakisti;
    if (i == bakiye && d.tutar_ekler) continue;
    if (ayni(y, o, alan)) continue;
    if (onlar && !ayni(s, y, alan)) return Birlesim::cakisti;
    std::memcpy(z + alan.bas, y + alan.bas, alan.boy);
  }
  return Birlesim::birlesti;
}

}  // namespace

Birlesim birlestir(const hasta& okunan, const hasta& yeni, const hasta& simdi, const Degisiklik& d,
                   hasta& sonuc) {
  Birlesim b = alan_alan(okunan, yeni, simdi, d, sonuc, HASTA_ALANLARI, HASTA_BAKIYESI);
  // A slot as it was read already holds the balance the operation worked out.
  if (b != Birlesim::birlesti || !d.tutar_ekler ||
      std::memcmp(&simdi, &okunan, sizeof(hasta)) == 0) {
    return b;
  }
  double bakiye = simdi.ucret + d.tutar;
  if (!std::isfinite(bakiye)) return Birlesim::cakisti;
  sonuc.ucret = bakiye;
  return Birlesim::birlesti;
}

Birlesim birlestir(const struct personel& okunan, const struct personel& yeni,
                   const struct personel& simdi, const Degisiklik& d, struct personel& sonuc) {
  return alan_alan(okunan, yeni, simdi, d, sonuc, PERSONEL_ALANLARI, HIC);
}
