#include "screen/screen.h"

#include "input/keyboard.h"
#include "platform/console.h"
#include "screen/session_name.h"

void basla(const char* baslik) {
  // What is already printed belongs above the cleared screen.
  ekran_bosalt();
  konsol_temizle();
  yaz("PALVO HASTANE OTOMASYONU 1.0");
  if (const char* ad = oturum()) yaz(" (%s)", ad);
  yaz("\n===== %s =====\n", baslik);
}

void bitir() {
  yaz("\n\n(Ana menuye donmek icin bir tusa basiniz)");
  tus_oku();
}

void bitir(const char* mesaj) {
  yaz("%s", mesaj);
  bitir();
}

bool yazildi(Yazim y, const char* engel) {
  switch (y) {
    case Yazim::yazildi:
      return true;
    case Yazim::engellendi:
      bitir(engel);
      break;
    case Yazim::okunamadi:
      bitir(DOSYA_ACILAMADI);
      break;
    case Yazim::yazilamadi:
      bitir(KAYIT_YAZILAMADI);
      break;
    case Yazim::belirsiz:
      bitir(DOSYA_ACILAMADI);
      break;
  }
  return false;
}
