#include "shell/menu.h"

#include "input/keyboard.h"
#include "patients/deletion.h"
#include "patients/editing.h"
#include "patients/listing.h"
#include "patients/registration.h"
#include "patients/search.h"
#include "screen/screen.h"
#include "shell/about.h"
#include "staff/password.h"
#include "staff/report.h"
#include "staff/staff_registration.h"
#include "visits/admission.h"
#include "visits/archive.h"
#include "visits/cashier.h"
#include "visits/discharge.h"

namespace {

// Choice 0: back to the menu loop, which draws the menu again.
void yeniden() {}

}  // namespace

const Secenek islem[SECENEK_SAYISI] = {
    {"", yeniden},
    {"Hasta Ekle", ekle},
    {"Hasta Duzenle", duzenle},
    {"Hasta Sil", sil},
    {"Hasta Listele", listele},
    {"Hasta Kabul", hkabul},
    {"Hasta Cikis", hcikis},
    {"Hasta Ara", hastaara},
    {"Vezne Islemleri", vezne},
    {"Personel Ekle", personel},
    {"Sifre Degistir", psifre},
    {"Muayene Arsivi", muayene},
    {"Rapor Olustur", hrapor},
    {"Hakkinda", hakkinda},
    {"Cikis", nullptr},
};

bool menu() {
  int32_t secim = 0;
  basla("ANA MENU");
  // Two choices a line, 1 and 2 first.
  for (int no = 1; no < SECENEK_SAYISI; no += 2) {
    yaz("%2d.%-20s%2d.%-20s\n", no, islem[no].etiket, no + 1, islem[no + 1].etiket);
  }
  yaz("\n");
  yaz("Seciminiz: ");
  secim = tamsayi_oku();
  if (secim == CIKIS) return false;
  if (secim >= 0 && secim < CIKIS) islem[secim].calistir();
  return true;
}
