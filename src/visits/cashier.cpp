#include "visits/cashier.h"

#include <cmath>

#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/lookup.h"

namespace {

// Asks for an amount until a non-zero number is typed. An empty line is not
// an answer: the read waits for the next line without a new prompt. An amount
// that would turn a finite balance into an infinite or undefined one is
// refused like zero.
double tutar_sor(const char* istem, double bakiye) {
  for (;;) {
    yaz("%s", istem);
    klavye_at();
    double tutar = 0;
    if (!ondalik_oku(&tutar) || tutar == 0) continue;
    if (std::isfinite(bakiye) && !std::isfinite(bakiye + tutar)) continue;

    return tutar;
  }
}

}  // namespace

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
