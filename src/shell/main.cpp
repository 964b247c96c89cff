// PALVO HASTANE OTOMASYONU 1.0: the login, then the main menu until choice 14.
#include "platform/console.h"
#include "platform/output.h"
#include "shell/session.h"

int main() {
  konsol_baslat();
  oturum_calistir();
  ekran_bosalt();
  konsol_birak();
  return 0;
}
