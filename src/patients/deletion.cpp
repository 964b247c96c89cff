#include "patients/deletion.h"

#include <cstring>

#include "patients/listing.h"
#include "shell/keyboard.h"
#include "shell/screen.h"
#include "store/lookup.h"

void sil() {
  basla("HASTA SILME");
  Bulma sonuc = hastabul([](BulunanHasta& b) -> bool {
    yaz("Emin Misiniz (E-H): ");
    int soru = tus_oku();
    if (soru != 'E' && soru != 'e') return true;
    // The slot becomes an empty record: the file keeps its length and no
    // other record moves.
    std::memset(&b.kayit, 0, sizeof b.kayit);
    return b.geri_yaz();
  });
  // Confirmed or not, the list follows.
  if (sonuc == Bulma::bulundu) listele();
}
