// The one patient scan of the list, the search and the report: the card of
// every patient in use that a choice accepts, in file order, gathered in a
// card block and handed on to the screen or to the report file.
#pragma once

#include <cstdio>

#include "patients/card_block.h"
#include "store/record_file.h"
#include "store/records.h"

struct KartTaramasi {
  int sayi = 0;            // cards handed on
  bool okunamadi = false;  // a read error, not the end of the file, ended the scan
  bool yazildi = true;     // every card reached its destination
};

// Scans the patient file `hastalar` from the start and hands the card of each
// patient in use for which `secilir(kayit)` holds to `hedef` (see KartBlogu).
// Everything gathered has been handed on when it returns.
template <class Secer>
KartTaramasi kartlari_ver(FILE* hastalar, KartBlogu::Hedef hedef, void* baglam, Secer&& secilir) {
  KartTaramasi sonuc;
  KartBlogu kartlar(hedef, baglam);
  Tarama<hasta> tarama(hastalar);
  while (const hasta* kayit = tarama.siradaki()) {
    if (kayit->dolu != DOLU || !secilir(*kayit)) continue;
    kartlar.ekle(*kayit);
    ++sonuc.sayi;
  }
  sonuc.yazildi = kartlar.bosalt();
  sonuc.okunamadi = tarama.hata();
  return sonuc;
}
