// PALVO HASTANE OTOMASYONU 1.0: the login, then the main menu until choice 14.
#include "platform/console.h"
#include "shell/login.h"
#include "shell/menu.h"
#include "shell/screen.h"

int main() {
  konsol_baslat();
  giris(0);
  while (menu()) {
  }
  ekran_bosalt();
  konsol_birak();
  return 0;
}
