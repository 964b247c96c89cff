#include "visits/cashier.h"

#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"
#include "visits/visit_prompts.h"

void vezne() {
  basla("VEZNE ISLEMLERI");
  BulunanHasta b = hastabul();
  if (!b) return;
  hasta& k = b.kayit;
  yaz("Toplam Ucret: %.2f TL\n", k.ucret);
  // Added, not subtracted: a negative amount lowers the balance.
  k.ucret += tutar_sor("Bakiye: ", k.ucret);
  if (!b.geri_yaz()) return;
  b.dosya.kapat();
  listele();
}
