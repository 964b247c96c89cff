#include "patients/card.h"

#include "patients/card_format.h"
#include "screen/screen.h"
#include "store/field.h"

namespace {

// The card's own texts, labels right-aligned in 11 columns, come to less
// than this; the fields add at most the record's size, the amount its own,
// and the last piece its scratch.
constexpr std::size_t SABIT_METIN_SINIRI = 256;
static_assert(SABIT_METIN_SINIRI + sizeof(hasta) + TUTAR_EN_UZUN + KART_PAYI <= KART_BOYU);

// The admission or discharge line of a visit that took place:
// "(date time) (A: a) (B: b)" behind the line's label.
template <std::size_t E, std::size_t T, std::size_t S, std::size_t A, std::size_t B, std::size_t AA,
          std::size_t BB>
char* ziyaret_ekle(char* p, const char (&etiket)[E], const char (&tarih)[T], const char (&saat)[S],
                   const char (&a_etiketi)[AA], const char (&a)[A], const char (&b_etiketi)[BB],
                   const char (&b)[B]) {
  p = sabit_ekle(p, etiket);
  p = alan_ekle(p, tarih);
  p = sabit_ekle(p, " ");
  p = alan_ekle(p, saat);
  p = sabit_ekle(p, a_etiketi);
  p = alan_ekle(p, a);
  p = sabit_ekle(p, b_etiketi);
  p = alan_ekle(p, b);
  return sabit_ekle(p, ")");
}

}  // namespace

char* kart_yaz(char* p, const hasta& k) {
  // Identity line, under the list's column heading.
  p = sabit_ekle(p, "\n");
  p = saga_ekle<11>(p, k.tckimlik);
  p = sabit_ekle(p, " ");
  p = sola_ekle<20>(p, k.isim);
  p = sabit_ekle(p, " ");
  p = alan_ekle(p, k.cinsiyet);
  p = sabit_ekle(p, " ");
  p = sola_ekle<10>(p, k.dogum_tarih);
  p = sabit_ekle(p, " ");
  p = sola_ekle<10>(p, k.dogum_yer);
  p = sabit_ekle(p, " ");
  p = sola_ekle<6>(p, k.medenihal);
  p = sabit_ekle(p, " ");
  p = sola_ekle<10>(p, k.kan_grubu);

  if (alan_bos(k.ziyaret.gtarih)) {
    p = sabit_ekle(p, "\n     Giris: (Yapilmadi)");
  } else {
    p = ziyaret_ekle(p, "\n     Giris: (", k.ziyaret.gtarih, k.ziyaret.gsaat,
                     ") (Bolum: ", k.ziyaret.bolum, ") (Sikayet: ", k.ziyaret.sikayet);
  }

  if (alan_bos(k.ziyaret.ctarih)) {
    p = sabit_ekle(p, "\n     Cikis: (Yapilmadi)");
  } else {
    p = ziyaret_ekle(p, "\n     Cikis: (", k.ziyaret.ctarih, k.ziyaret.csaat,
                     ") (Teshis: ", k.ziyaret.teshis, ") (Ilaclar: ", k.ziyaret.ilaclar);
  }

  if (alan_bos(k.ziyaret.sorumlu)) {
    p = sabit_ekle(p, "\n   Muayene: (Yapilmadi)");
  } else {
    p = sabit_ekle(p, "\n   Muayene: (Sorumlu: ");
    p = alan_ekle(p, k.ziyaret.sorumlu);
    p = sabit_ekle(p, ") (Guvence: ");
    p = alan_ekle(p, k.guvence);
    p = sabit_ekle(p, ")");
  }

  p = sabit_ekle(p, "\n     Ucret: (");
  p = tutar_ekle(p, k.ucret);
  p = sabit_ekle(p, " TL)");

  p = sabit_ekle(p, "\n  Iletisim: (");
  p = alan_ekle(p, k.adres);
  p = sabit_ekle(p, " ");
  p = alan_ekle(p, k.ilce);
  p = sabit_ekle(p, "/");
  p = alan_ekle(p, k.il);
  p = sabit_ekle(p, ") (Tel: ");
  p = alan_ekle(p, k.telefon);
  return sabit_ekle(p, ")\n\n");
}

std::size_t kart_bicimle(char* tampon, const hasta& k) {
  return static_cast<std::size_t>(kart_yaz(tampon, k) - tampon);
}

void goster(const hasta& k) {
  char tampon[KART_BOYU];
  yaz_bayt(tampon, kart_bicimle(tampon, k));
}
