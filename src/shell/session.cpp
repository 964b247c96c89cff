#include "shell/session.h"

#include "input/keyboard.h"
#include "shell/login.h"
#include "shell/menu.h"

void oturum_calistir() {
  try {
    giris(0);
    while (menu()) {
    }
  } catch (const GirdiBitti&) {
    // The keyboard input has ended, and with it the session.
  }
}
