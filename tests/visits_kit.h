// Test-side helpers of the visit tests (admission, discharge, cashier,
// archive): the patients and archived examinations they use, with their own
// default values, on top of the shared record kit.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace visits {

using namespace kayit_kiti;

// A registered patient: the twelve personal fields, every visit field empty.
inline hasta hasta_kaydi(const std::string& tc, const std::string& isim,
                         const std::string& guvence = "Yok", double ucret = 0) {
  hasta k = kayitli_hasta({tc, isim, "E", "14/03/1975", "Ankara", "A Rh+", "Ataturk Cad. No 5",
                           "Ankara", "Cankaya", "3124567890", "Evli", guvence});
  k.ucret = ucret;
  return k;
}

// The same patient with an open visit.
inline hasta kabul_edilmis(hasta k, const std::string& gtarih = "02/01/2024",
                           const std::string& gsaat = "08:15", const std::string& sikayet = "Ates",
                           const std::string& bolum = "Dahiliye") {
  koy(k.gtarih, gtarih);
  koy(k.gsaat, gsaat);
  koy(k.sikayet, sikayet);
  koy(k.bolum, bolum);
  return k;
}

// The same patient after the visit has been closed.
inline hasta cikmis(hasta k, const std::string& sorumlu = "Dr Ayse Kaya",
                    const std::string& teshis = "Grip", const std::string& ilaclar = "Parol",
                    const std::string& ctarih = "05/01/2024", const std::string& csaat = "17:40") {
  koy(k.sorumlu, sorumlu);
  koy(k.teshis, teshis);
  koy(k.ilaclar, ilaclar);
  koy(k.ctarih, ctarih);
  koy(k.csaat, csaat);
  return k;
}

// An archived examination as the discharge of `k` leaves it: every byte
// behind a copied text zero, and the fee of this one examination.
inline arsiv arsiv_kaydi(const hasta& k, double ucret) {
  arsiv a = bos_kayit<arsiv>();
  a.dolu = DOLU;
  koy(a.tckimlik, metin(k.tckimlik));
  koy(a.gtarih, metin(k.gtarih));
  koy(a.gsaat, metin(k.gsaat));
  koy(a.bolum, metin(k.bolum));
  koy(a.sikayet, metin(k.sikayet));
  koy(a.teshis, metin(k.teshis));
  koy(a.ilaclar, metin(k.ilaclar));
  koy(a.sorumlu, metin(k.sorumlu));
  koy(a.ctarih, metin(k.ctarih));
  koy(a.csaat, metin(k.csaat));
  a.ucret = ucret;
  return a;
}

}  // namespace visits
