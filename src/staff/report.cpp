#include "staff/report.h"

#include <cstdio>

#include "patients/card_scan.h"
#include "patients/listing.h"
#include "screen/screen.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

constexpr const char* OLUSTURULAMADI = "Dosya Olusturulamadi!";

// Writes the report into `r` under the report's writers' lock, so that two
// desks' reports never interleave: emptied only once the lock is held, then
// written whole and put on disk before the lock goes. False when any of
// that failed.
bool raporu_yaz(FILE* r, FILE* hastalar, KartTaramasi& liste) {
  Sabir sabir(KILIT_BEKLEMESI);
  YazmaKilidi kilit(r, sabir);
  if (!kilit || !disk_kes(r, 0)) return false;
  bool tamam = std::fprintf(r, LISTE_BASLIGI_BICIMI, LISTE_BASLIGI_ETIKETLERI) >= 0;
  // The same bytes as the cards of the patient list screen.
  if (tamam) {
    liste = kartlari_ver(hastalar, akisa, r, [](const hasta&) { return true; });
    tamam = liste.yazildi;
  }
  if (tamam) tamam = std::fprintf(r, "\n(Toplam %d hasta kayitli)", liste.sayi) >= 0;
  // A report that did not reach the disk whole is not a saved report.
  return tamam && disk_esitle(r);
}

}  // namespace

void hrapor() {
  basla("HASTA LISTELEME");
  Dosya dosya = dosya_ac(HASTA_DOSYASI, AcmaKipi::guncelle);
  // The report is not touched, so an earlier one stays as it was.
  if (!dosya) return bitir(DOSYA_ACILAMADI);
  // A text stream: each line break is stored as the platform's line end. A
  // report path that leads to the patient file itself (a link) would be
  // emptied, so it counts as a report that cannot be created.
  Dosya rapor;
  if (!disk_ayni(RAPOR_DOSYASI, dosya.akis()))
    rapor = dosya_ac(RAPOR_DOSYASI, AcmaKipi::yeni_metin);
  if (!rapor) return bitir(OLUSTURULAMADI);
  KartTaramasi liste;
  bool tamam = raporu_yaz(rapor.akis(), dosya.akis(), liste);
  if (!rapor.kapat()) tamam = false;
  // A report whose name may still be lost with the power is not saved.
  if (tamam) tamam = disk_adi_esitle(RAPOR_DOSYASI);
  dosya.kapat();
  // The patient file could not be read whole: no complete report.
  if (liste.okunamadi) return bitir(DOSYA_ACILAMADI);
  if (!tamam) return bitir(OLUSTURULAMADI);
  yaz("\n");
  if (liste.sayi == 0) return bitir("Kayitli Hasta Yok!");
  bitir("Rapor Basari ile Kaydedildi!");
}
