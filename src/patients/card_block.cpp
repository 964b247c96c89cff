#include "patients/card_block.h"

#include "screen/screen.h"

namespace {

char blok[KART_BLOGU];
bool blok_alindi = false;

}  // namespace

KartBlogu::KartBlogu(Hedef hedef, void* baglam)
    : hedef_(hedef), baglam_(baglam), blok_(kucuk_), boyut_(sizeof kucuk_), sahip_(!blok_alindi) {
  if (sahip_) {
    blok_alindi = true;
    blok_ = blok;
    boyut_ = sizeof blok;
  }
}

KartBlogu::~KartBlogu() {
  bosalt();
  if (sahip_) blok_alindi = false;
}

bool KartBlogu::ekle(const hasta& k) {
  if (!tamam_) return false;
  if (boyut_ - dolu_ < KART_BOYU && !bosalt()) return false;
  dolu_ += kart_bicimle(blok_ + dolu_, k);
  return true;
}

bool KartBlogu::bosalt() {
  if (tamam_ && dolu_ > 0) tamam_ = hedef_(baglam_, blok_, dolu_);
  dolu_ = 0;
  return tamam_;
}

bool ekrana(void*, const char* veri, std::size_t boy) {
  yaz_bayt(veri, boy);
  return true;
}

bool akisa(void* baglam, const char* veri, std::size_t boy) {
  return std::fwrite(veri, 1, boy, static_cast<FILE*>(baglam)) == boy;
}
