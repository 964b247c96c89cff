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
  // Added, not subtracted: a negative amount lowers the balance. Another
  // desk's payment since the lookup stands too: the amount is added to the
  // balance as it stands.
  double tutar = tutar_sor("Bakiye: ", k.ucret);
  k.ucret += tutar;
  if (!b.geri_yaz({hasta_alanlari::TCKIMLIK, true, tutar})) return;
  b.dosya.kapat();
  listele();
}
