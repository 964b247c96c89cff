#include "shell/keyboard.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "shell/console.h"
#include "shell/output.h"

namespace {

// Bytes received from the console and not yet taken into a line.
unsigned char ham[4096];
std::size_t ham_bas = 0;
std::size_t ham_son = 0;
bool ham_bitti = false;

// The current line, with its line end when it has one. A line longer than
// the buffer keeps its start, and `satir_tasti` remembers that the rest was
// dropped.
unsigned char satir[1024];
std::size_t satir_bas = 0;
std::size_t satir_son = 0;
bool satir_tasti = false;

int ham_bayt() {
  if (ham_bas == ham_son) {
    if (ham_bitti) return -1;
    ekran_bosalt();
    ham_bas = 0;
    ham_son = konsol_oku(ham, sizeof ham);
    if (ham_son == 0) {
      ham_bitti = true;
      return -1;
    }
  }
  return ham[ham_bas++];
}

// Takes the next whole line from the console. False at the end of input.
bool satir_al() {
  satir_bas = satir_son = 0;
  satir_tasti = false;
  int c;
  while ((c = ham_bayt()) >= 0) {
    if (satir_son < sizeof satir) {
      satir[satir_son++] = static_cast<unsigned char>(c);
    } else {
      satir_tasti = true;
    }
    if (c == '\n') break;
  }
  if (satir_son > 0 && satir[satir_son - 1] != '\n' && satir_tasti) {
    // keep the line end of an overlong line, so it still ends the line
    satir[satir_son - 1] = '\n';
  }
  return satir_son > 0 || satir_tasti;
}

bool satir_var() {
  return satir_bas < satir_son;
}

// Next byte of the current line, or -1 when it has none left.
int satir_bak() {
  return satir_var() ? satir[satir_bas] : -1;
}

// Next byte of the input for the number reads, which may go on to new lines.
int sonraki_bak() {
  if (!satir_var() && !satir_al()) girdi_bitti();
  return satir[satir_bas];
}

bool bosluk(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool rakam(int c) {
  return c >= '0' && c <= '9';
}

void bosluklari_gec() {
  while (bosluk(sonraki_bak())) ++satir_bas;
}

}  // namespace

void klavye_at() {
  satir_bas = satir_son;
  satir_tasti = false;
}

int satir_oku(char* tampon, std::size_t boyut) {
  if (!satir_var() && !satir_al()) girdi_bitti();
  std::size_t bas = satir_bas;
  std::size_t son = bas;
  while (son < satir_son && satir[son] != '\n') ++son;
  bool tasti = satir_tasti;
  satir_bas = satir_son;
  satir_tasti = false;
  std::size_t boy = son - bas;
  // A line ended by CR LF loses both.
  if (boy > 0 && satir[bas + boy - 1] == '\r') --boy;
  tampon[0] = '\0';
  for (std::size_t i = 0; i < boy; ++i) {
    unsigned char c = satir[bas + i];
    if ((c < 32 && c != '\t') || c == 127) return SATIR_DENETIM;
  }
  if (tasti || boy + 1 > boyut) return SATIR_UZUN;
  std::memcpy(tampon, satir + bas, boy);
  tampon[boy] = '\0';
  return static_cast<int>(boy);
}

int istem_oku(const char* istem, char* tampon, std::size_t boyut) {
  yaz_bayt(istem, std::strlen(istem));
  klavye_at();
  return satir_oku(tampon, boyut);
}

int32_t tamsayi_oku() {
  bosluklari_gec();
  bool eksi = false;
  int c = satir_bak();
  if (c == '+' || c == '-') {
    eksi = c == '-';
    ++satir_bas;
  }
  if (!rakam(satir_bak())) {
    klavye_at();
    return 0;
  }
  int64_t v = 0;
  while (rakam(c = satir_bak())) {
    if (v <= INT32_MAX) v = v * 10 + (c - '0');
    ++satir_bas;
  }
  if (eksi) v = -v;
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

bool ondalik_oku(double* deger) {
  bosluklari_gec();
  char metin[512];
  std::size_t n = 0;
  bool sigmadi = false;
  auto al = [&](int c) {
    if (n + 1 < sizeof metin) {
      metin[n++] = static_cast<char>(c);
    } else {
      sigmadi = true;
    }
    ++satir_bas;
  };
  int c = satir_bak();
  if (c == '+' || c == '-') al(c);
  int rakamlar = 0;
  while (rakam(satir_bak())) al(satir_bak()), ++rakamlar;
  if (satir_bak() == '.') {
    al('.');
    while (rakam(satir_bak())) al(satir_bak()), ++rakamlar;
  }
  if (rakamlar > 0 && (satir_bak() == 'e' || satir_bak() == 'E')) {
    // The exponent counts only when digits follow it.
    std::size_t i = satir_bas + 1;
    if (i < satir_son && (satir[i] == '+' || satir[i] == '-')) ++i;
    if (i < satir_son && rakam(satir[i])) {
      while (satir_bas < i) al(satir[satir_bas]);
      while (rakam(satir_bak())) al(satir_bak());
    }
  }
  metin[n] = '\0';
  klavye_at();
  if (rakamlar == 0 || sigmadi) return false;
  double v = std::strtod(metin, nullptr);
  if (!std::isfinite(v)) return false;
  *deger = v;
  return true;
}

int tus_oku() {
  ekran_bosalt();
  int c;
  if (ham_bas < ham_son || ham_bitti || !konsol_terminal()) {
    c = ham_bayt();
  } else {
    c = konsol_tus();
  }
  if (c < 0) girdi_bitti();
  if (c == 10) return 13;
  if (c == 127) return 8;
  return c;
}

void girdi_bitti() {
  ekran_bosalt();
  konsol_birak();
  std::exit(0);
}
