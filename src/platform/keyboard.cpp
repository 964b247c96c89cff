#include "platform/keyboard.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/console.h"
#include "platform/output.h"

namespace {

// Everything the keyboard input keeps between two reads.
struct Klavye {
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
};

Klavye klavye;

int ham_bayt() {
  if (klavye.ham_bas == klavye.ham_son) {
    if (klavye.ham_bitti) return -1;
    ekran_bosalt();
    klavye.ham_bas = 0;
    klavye.ham_son = konsol_oku(klavye.ham, sizeof klavye.ham);
    if (klavye.ham_son == 0) {
      klavye.ham_bitti = true;
      return -1;
    }
  }
  return klavye.ham[klavye.ham_bas++];
}

// Takes the next whole line from the console. False at the end of input.
bool satir_al() {
  klavye.satir_bas = klavye.satir_son = 0;
  klavye.satir_tasti = false;
  int c;
  while ((c = ham_bayt()) >= 0) {
    if (klavye.satir_son < sizeof klavye.satir) {
      klavye.satir[klavye.satir_son++] = static_cast<unsigned char>(c);
    } else {
      klavye.satir_tasti = true;
    }
    if (c == '\n') break;
  }
  if (klavye.satir_son > 0 && klavye.satir[klavye.satir_son - 1] != '\n' && klavye.satir_tasti) {
    // keep the line end of an overlong line, so it still ends the line
    klavye.satir[klavye.satir_son - 1] = '\n';
  }
  return klavye.satir_son > 0 || klavye.satir_tasti;
}

bool satir_var() {
  return klavye.satir_bas < klavye.satir_son;
}

// Next byte of the current line, or -1 when it has none left.
int satir_bak() {
  return satir_var() ? klavye.satir[klavye.satir_bas] : -1;
}

// Next byte of the input for the number reads, which may go on to new lines.
int sonraki_bak() {
  if (!satir_var() && !satir_al()) girdi_bitti();
  return klavye.satir[klavye.satir_bas];
}

bool bosluk(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool rakam(int c) {
  return c >= '0' && c <= '9';
}

void bosluklari_gec() {
  while (bosluk(sonraki_bak())) ++klavye.satir_bas;
}

}  // namespace

void klavye_at() {
  klavye.satir_bas = klavye.satir_son;
  klavye.satir_tasti = false;
}

int satir_oku(char* tampon, std::size_t boyut) {
  if (!satir_var() && !satir_al()) girdi_bitti();
  std::size_t bas = klavye.satir_bas;
  std::size_t son = bas;
  while (son < klavye.satir_son && klavye.satir[son] != '\n') ++son;
  bool tasti = klavye.satir_tasti;
  klavye.satir_bas = klavye.satir_son;
  klavye.satir_tasti = false;
  std::size_t boy = son - bas;
  // A line ended by CR LF loses both.
  if (boy > 0 && klavye.satir[bas + boy - 1] == '\r') --boy;
  tampon[0] = '\0';
  for (std::size_t i = 0; i < boy; ++i) {
    unsigned char c = klavye.satir[bas + i];
    if ((c < 32 && c != '\t') || c == 127) return SATIR_DENETIM;
  }
  if (tasti || boy + 1 > boyut) return SATIR_UZUN;
  std::memcpy(tampon, klavye.satir + bas, boy);
  tampon[boy] = '\0';
  return static_cast<int>(boy);
}

void istem_yaz(const char* istem) {
  yaz_bayt(istem, std::strlen(istem));
  klavye_at();
}

int istem_oku(const char* istem, char* tampon, std::size_t boyut) {
  istem_yaz(istem);
  return satir_oku(tampon, boyut);
}

int32_t tamsayi_oku() {
  bosluklari_gec();
  bool eksi = false;
  int c = satir_bak();
  if (c == '+' || c == '-') {
    eksi = c == '-';
    ++klavye.satir_bas;
  }
  if (!rakam(satir_bak())) {
    klavye_at();
    return 0;
  }
  int64_t v = 0;
  while (rakam(c = satir_bak())) {
    if (v <= INT32_MAX) v = v * 10 + (c - '0');
    ++klavye.satir_bas;
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
    ++klavye.satir_bas;
  };
  int c = satir_bak();
  if (c == '+' || c == '-') al(c);
  int rakamlar = 0;
  while (rakam(satir_bak())) {
    al(satir_bak());
    ++rakamlar;
  }
  if (satir_bak() == '.') {
    al('.');
    while (rakam(satir_bak())) {
      al(satir_bak());
      ++rakamlar;
    }
  }
  if (rakamlar > 0 && (satir_bak() == 'e' || satir_bak() == 'E')) {
    // The exponent counts only when digits follow it.
    std::size_t i = klavye.satir_bas + 1;
    if (i < klavye.satir_son && (klavye.satir[i] == '+' || klavye.satir[i] == '-')) ++i;
    if (i < klavye.satir_son && rakam(klavye.satir[i])) {
      while (klavye.satir_bas < i) al(klavye.satir[klavye.satir_bas]);
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
  if (klavye.ham_bas < klavye.ham_son || klavye.ham_bitti || !konsol_terminal()) {
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
