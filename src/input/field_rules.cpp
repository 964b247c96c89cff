#include "input/field_rules.h"

#include <cstring>

#include "input/letter_case.h"
#include "input/validators.h"

namespace {

// One row of the rule table.
struct Kural {
  std::size_t en_az;            // fewest characters
  std::size_t en_cok;           // most characters; 0 for the field's width
  bool (*icerik)(char* cevap);  // the content check, or nullptr
  bool ilk_harf;                // capital initials once accepted
  const char* bos;              // what an empty answer stands for
};

bool sadece_rakam(char* c) {
  return kontrolno(c) != 0;
}
bool bosluklu(char* c) {
  return std::strchr(c, ' ') != nullptr;
}
bool cinsiyet(char* c) {
  return kontrolcns(c) != 0;
}
bool tarih(char* c) {
  return kontroltar(c) != 0;
}
bool saat(char* c) {
  return kontrolst(c) != 0;
}
bool telefon(char* c) {
  return kontrolno(c) && c[0] != '0';
}
bool medeni_hal(char* c) {
  return kontrolmh(c) != 0;
}

// By AlanKurali, in its order.
constexpr Kural KURALLAR[] = {
    {11, 11, sadece_rakam, false, nullptr},  // tckimlik
    {4, 0, bosluklu, true, nullptr},         // isim
    {1, 1, cinsiyet, true, nullptr},         // cinsiyet
    {10, 10, tarih, false, nullptr},         // tarih
    {5, 5, saat, false, nullptr},            // saat
    {2, 0, nullptr, true, nullptr},          // en_az_iki
    {5, 0, telefon, false, nullptr},         // telefon
    {2, 0, medeni_hal, true, nullptr},       // medenihal
    {2, 0, nullptr, true, "Yok"},            // guvence
};
static_assert(sizeof KURALLAR / sizeof KURALLAR[0] ==
              static_cast<std::size_t>(AlanKurali::guvence) + 1);

const Kural& kurali(AlanKurali kural) {
  return KURALLAR[static_cast<std::size_t>(kural)];
}

}  // namespace

bool kural_gecer(AlanKurali kural, char* cevap, std::size_t boy) {
  const Kural& k = kurali(kural);
  if (boy < k.en_az || (k.en_cok != 0 && boy > k.en_cok)) return false;
  return k.icerik == nullptr || k.icerik(cevap);
}

const char* bos_cevap(AlanKurali kural) {
  return kurali(kural).bos;
}

void normallestir(AlanKurali kural, char* cevap) {
  if (kurali(kural).ilk_harf) ilkharf(cevap);
}
