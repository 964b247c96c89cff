#include "shell/screen.h"

#include <cstdarg>
#include <cstdio>

#include "shell/console.h"
#include "shell/keyboard.h"
#include "shell/session.h"

namespace {

char cikti_tamponu[1 << 16];

}  // namespace

void ekran_hazirla() { std::setvbuf(stdout, cikti_tamponu, _IOFBF, sizeof cikti_tamponu); }

void yaz(const char* bicim, ...) {
  va_list ap;
  va_start(ap, bicim);
  std::vfprintf(stdout, bicim, ap);
  va_end(ap);
}

void yaz_bayt(const char* veri, std::size_t boy) { std::fwrite(veri, 1, boy, stdout); }

void basla(const char* baslik) {
  konsol_temizle();
  std::fputs("PALVO HASTANE OTOMASYONU 1.0", stdout);
  if (const char* ad = oturum()) yaz(" (%s)", ad);
  yaz("\n===== %s =====\n", baslik);
}

void bitir() {
  std::fputs("\n\n(Ana menuye donmek icin bir tusa basiniz)", stdout);
  tus_oku();
}
