#include "store/visit.h"

#include <cstring>

#include "store/field.h"

void ziyaret_kopyala(Ziyaret& hedef, const Ziyaret& kaynak) {
  std::memset(&hedef, 0, sizeof hedef);
  alan_kopyala(hedef.gtarih, kaynak.gtarih);
  alan_kopyala(hedef.gsaat, kaynak.gsaat);
  alan_kopyala(hedef.bolum, kaynak.bolum);
  alan_kopyala(hedef.sikayet, kaynak.sikayet);
  alan_kopyala(hedef.teshis, kaynak.teshis);
  alan_kopyala(hedef.ilaclar, kaynak.ilaclar);
  alan_kopyala(hedef.sorumlu, kaynak.sorumlu);
  alan_kopyala(hedef.ctarih, kaynak.ctarih);
  alan_kopyala(hedef.csaat, kaynak.csaat);
}
