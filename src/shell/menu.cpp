#include "shell/menu.h"

#include "patients/deletion.h"
#include "patients/editing.h"
#include "patients/listing.h"
#include "patients/registration.h"
#include "patients/search.h"
#include "shell/about.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
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

struct Secenek {
  int no;
  const char* etiket;
};

constexpr Secenek secenekler[14] = {
    {1, "Hasta Ekle"},     {2, "Hasta Duzenle"},  {3, "Hasta Sil"},      {4, "Hasta Listele"},
    {5, "Hasta Kabul"},    {6, "Hasta Cikis"},    {7, "Hasta Ara"},      {8, "Vezne Islemleri"},
    {9, "Personel Ekle"},  {10, "Sifre Degistir"}, {11, "Muayene Arsivi"}, {12, "Rapor Olustur"},
    {13, "Hakkinda"},      {14, "Cikis"},
};

}  // namespace

const Islem islem[14] = {
    yeniden, ekle,     duzenle, sil,   listele, hkabul, hcikis,
    hastaara, vezne, personel, psifre, muayene, hrapor, hakkinda,
};

bool menu() {
  int32_t secim = 0;
  basla("ANA MENU");
  for (int i = 0; i < 14; i += 2) {
    yaz("%2d.%-20s%2d.%-20s\n", secenekler[i].no, secenekler[i].etiket, secenekler[i + 1].no,
        secenekler[i + 1].etiket);
  }
  yaz("\n");
  yaz("Seciminiz: ");
  secim = tamsayi_oku();
  if (secim == 14) return false;
  if (secim >= 0 && secim <= 13) islem[secim]();
  return true;
}
