#include "shell/login.h"

#include <cstring>

#include "input/keyboard.h"
#include "input/limits.h"
#include "platform/console.h"
#include "platform/keys.h"
#include "screen/screen.h"
#include "screen/session_name.h"
#include "store/checks.h"

namespace {

// The built-in account exists in every installation, also without a staff
// file, and can be neither changed nor removed.
constexpr const char* NOBET_ISIM = "nobet";
constexpr const char* NOBET_SIFRE = "nobet";

bool dene(int tekrar) {
  char isim[GIRIS_BOYU];
  char sifre[GIRIS_BOYU];
  int say = 0;
  isim[0] = sifre[0] = '\0';
  basla("UYE GIRISI");
  if (tekrar) {
    yaz("\n");
    yaz("!!! Kullanici adiniz veya sifreniz yanlis!\n");
    yaz("!!! Lutfen tekrar deneyin!\n");
    yaz("\n");
  }
  // A name that does not fit its buffer, or holds control bytes, can
  // match no account.
  bool isim_gecerli = istem_oku("Kullanici Adi: ", isim, sizeof isim) >= 0;
  // The terminal stays in single-key mode for the whole entry, so that no
  // key of the password is ever echoed, however fast it is typed.
  TusKipi gizli;
  yaz("Sifre: ");
  klavye_at();
  for (;;) {
    int gizle = tus_oku();
    if (gizle == TUS_SIL) {
      if (say > 0) --say;
      continue;
    }
    if (gizle == TUS_ENTER) {
      yaz("*");
      break;
    }
    // Keys beyond what the entry holds are ignored.
    if (say < static_cast<int>(sizeof sifre) - 1) {
      sifre[say++] = static_cast<char>(gizle);
      yaz("*");
    }
  }
  sifre[say] = '\0';
  if (!isim_gecerli) return false;
  // A staff file that cannot be read counts as one without accounts.
  if (kontrolsfr(isim, sifre) == 1) {
    oturum_ac(isim);
    return true;
  }
  if (std::strcmp(isim, NOBET_ISIM) == 0 && std::strcmp(sifre, NOBET_SIFRE) == 0) {
    oturum_ac(isim);
    return true;
  }
  return false;
}

}  // namespace

void giris(int tekrar) {
  while (!dene(tekrar)) tekrar = 1;
}
