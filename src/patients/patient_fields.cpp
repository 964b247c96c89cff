#include "patients/patient_fields.h"

#include <cstring>

#include "input/letter_case.h"
#include "input/validators.h"

bool kural_gecer(AlanKurali kural, char* cevap, std::size_t boy) {
  switch (kural) {
    case AlanKurali::tckimlik:
      return boy == 11 && kontrolno(cevap);
    case AlanKurali::isim:
      return boy >= 4 && std::strchr(cevap, ' ') != nullptr;
    case AlanKurali::cinsiyet:
      return boy == 1 && kontrolcns(cevap);
    case AlanKurali::tarih:
      return boy == 10 && kontroltar(cevap);
    case AlanKurali::en_az_iki:
    case AlanKurali::guvence:
      return boy >= 2;
    case AlanKurali::telefon:
      return boy >= 5 && kontrolno(cevap) && cevap[0] != '0';
    case AlanKurali::medenihal:
      return boy >= 2 && kontrolmh(cevap);
  }
  return false;
}

void normallestir(AlanKurali kural, char* cevap) {
  switch (kural) {
    case AlanKurali::tckimlik:
    case AlanKurali::tarih:
    case AlanKurali::telefon:
      return;
    default:
      ilkharf(cevap);
  }
}
