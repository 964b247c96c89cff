#include "patients/deletion.h"

#include <cstring>

#include "input/keyboard.h"
#include "patients/listing.h"
#include "patients/lookup.h"
#include "screen/screen.h"

void sil() {
  basla("HASTA SILME");
  BulunanHasta b = hastabul();
  if (!b) return;
  yaz("Emin Misiniz (E-H): ");
  int soru = tus_oku();
  if (soru == 'E' || soru == 'e') {
    // The slot becomes an empty record: the file keeps its length and no
    // other record moves.
    std::memset(&b.kayit, 0, sizeof b.kayit);
    // Refused when anything changed since the card was shown.
    if (!b.geri_yaz({TUM_ALANLAR})) return;
  }
  b.dosya.kapat();
  // Confirmed or not, the list follows.
  listele();
}
