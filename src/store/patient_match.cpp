#include "store/patient_match.h"

#include <cstring>

#include "input/letter_case.h"
#include "input/validators.h"
#include "store/field.h"

HastaAnahtari hasta_anahtari(char* metin) {
  bool sayi = kontrolno(metin) != 0;
  if (!sayi) kucult(metin);
  return {metin, std::strlen(metin), sayi};
}

bool hasta_eslesir(const hasta& k, HastaAnahtari anahtar, Eslesme e) {
  if (anahtar.sayi) return alan_metin_esit(k.tckimlik, anahtar.metin, anahtar.boy);
  // The name may fill its field without a NUL.
  char yedek[sizeof k.isim + 1];
  std::size_t n = alan_boyu(k.isim);
  std::memcpy(yedek, k.isim, n);
  yedek[n] = '\0';
  kucult(yedek);
  if (e == Eslesme::tam) return std::strcmp(yedek, anahtar.metin) == 0;
  return std::strstr(yedek, anahtar.metin) != nullptr;
}
