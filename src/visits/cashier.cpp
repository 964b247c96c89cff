#include "visits/cashier.h"

#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/lookup.h"
#include "visits/visit_prompts.h"

void vezne() {
  basla("VEZNE ISLEMLERI");
  Bulma sonuc = hastabul([](BulunanHasta& b) -> bool {
    hasta& k = b.kayit;
    yaz("Toplam Ucret: %.2f TL\n", k.ucret);
    // Added, not subtracted: a negative amount lowers the balance.
    k.ucret += tutar_sor("Bakiye: ", k.ucret);
    return b.geri_yaz();
  });
  if (sonuc == Bulma::bulundu) listele();
}
