#include "input/keyboard.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/console.h"
#include "platform/keys.h"
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
  // the buffer is held a buffer at a time: `satir_devam` tells that the rest
  // of it is still unread in the console, to be taken when this part is used
  // up.
  unsigned char satir[1024];
  std::size_t satir_bas = 0;
  std::size_t satir_son = 0;
  bool satir_devam = false;
  // The current line has not fit the buffer: it is being read in parts.
  bool satir_uzun = false;
};

Klavye klavye;

// Significant digits of an amount that are kept; a non-zero digit beyond
// them only decides the rounding, for which one more digit stands in.
constexpr std::size_t ONDALIK_HANE = 800;
// A typed exponent stops growing here. The digits of an amount are counted
// exactly, and no input holds anywhere near this many, so an exponent this
// large leaves the amount infinite or zero whatever digits stand before it.
constexpr int64_t US_SINIRI = INT64_C(100000000000000000);
// The exponent handed to strtod: the significant digits stand right behind
// the point, so beyond this every amount is infinite or zero anyway.
constexpr int64_t US_KIRPMA = 100000;

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

// Takes the next line from the console, or as much of it as the buffer
// holds (`parca`: the next part of the current line). False at the end of
// input.
bool satir_al(bool parca = false) {
  klavye.satir_bas = klavye.satir_son = 0;
  klavye.satir_uzun = parca;
  klavye.satir_devam = false;
  int c = 0;
  while (klavye.satir_son < sizeof klavye.satir && (c = ham_bayt()) >= 0) {
    klavye.satir[klavye.satir_son++] = static_cast<unsigned char>(c);
    if (c == '\n') return true;
  }
  klavye.satir_devam = c >= 0;
  if (klavye.satir_devam) klavye.satir_uzun = true;
  return klavye.satir_son > 0;
}

// Whether the current line has a byte left; the next part of a long line is
// taken in when this one is used up.
bool satir_var() {
  if (klavye.satir_bas == klavye.satir_son && klavye.satir_devam) satir_al(true);
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
  while (satir_var()) klavye.satir_bas = klavye.satir_son;
}

int satir_oku(char* tampon, std::size_t boyut) {
  if (!satir_var() && !satir_al()) girdi_bitti();
  std::size_t bas = klavye.satir_bas;
  std::size_t son = bas;
  while (son < klavye.satir_son && klavye.satir[son] != '\n') ++son;
  // A line that goes on beyond the buffer is too long for any field.
  bool tasti = son == klavye.satir_son && klavye.satir_devam;
  std::size_t boy = son - bas;
  // A line ended by CR LF loses both.
  if (boy > 0 && klavye.satir[bas + boy - 1] == '\r') --boy;
  int sonuc = tasti || boy + 1 > boyut ? SATIR_UZUN : static_cast<int>(boy);
  for (std::size_t i = 0; i < boy; ++i) {
    unsigned char c = klavye.satir[bas + i];
    if ((c < 32 && c != '\t') || c == BAYT_DEL) {
      sonuc = SATIR_DENETIM;
      break;
    }
  }
  tampon[0] = '\0';
  if (sonuc >= 0) {
    std::memcpy(tampon, klavye.satir + bas, boy);
    tampon[boy] = '\0';
  }
  klavye_at();
  return sonuc;
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
  // What follows the number stays for the next read only while the line fit
  // the buffer: a part of a longer line is no line of its own to take a
  // choice from.
  if (klavye.satir_uzun) klavye_at();
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

bool ondalik_oku(double* deger) {
  bosluklari_gec();
  // The amount is handed to strtod as "-0.<digits>e<exponent>": the digits
  // are the significant ones, so that a number of any length fits, and
  // strtod rounds it as it would round the number as typed.
  char metin[ONDALIK_HANE + 32];
  std::size_t n = 0;
  int c = satir_bak();
  if (c == '+' || c == '-') {
    if (c == '-') metin[n++] = '-';
    ++klavye.satir_bas;
  }
  metin[n++] = '0';
  metin[n++] = '.';
  const std::size_t ilk_hane = n;
  int64_t us = 0;
  bool rakam_var = false;
  bool anlamli = false;
  bool artik = false;  // a non-zero digit beyond those kept
  auto hane = [&](int r, bool tam_kisim) {
    rakam_var = true;
    if (!anlamli && r == '0') {
      if (!tam_kisim) --us;
      return;
    }
    anlamli = true;
    if (n - ilk_hane < ONDALIK_HANE) {
      metin[n++] = static_cast<char>(r);
    } else if (r != '0') {
      artik = true;
    }
    if (tam_kisim) ++us;
  };
  while (rakam(c = satir_bak())) {
    hane(c, true);
    ++klavye.satir_bas;
  }
  if (c == '.') {
    ++klavye.satir_bas;
    while (rakam(c = satir_bak())) {
      hane(c, false);
      ++klavye.satir_bas;
    }
  }
  if (rakam_var && (c == 'e' || c == 'E')) {
    // The exponent counts only when digits follow it; what is passed over
    // otherwise belongs to the rest of the line, which is dropped anyway.
    ++klavye.satir_bas;
    bool eksi = false;
    c = satir_bak();
    if (c == '+' || c == '-') {
      eksi = c == '-';
      ++klavye.satir_bas;
    }
    int64_t ust = 0;
    while (rakam(c = satir_bak())) {
      if (ust < US_SINIRI) ust = ust * 10 + (c - '0');
      ++klavye.satir_bas;
    }
    us += eksi ? -ust : ust;
  }
  klavye_at();
  if (!rakam_var) return false;
  if (!anlamli) metin[n++] = '0';
  if (artik) metin[n++] = '1';
  us = std::clamp(us, -US_KIRPMA, US_KIRPMA);
  std::snprintf(metin + n, sizeof metin - n, "e%lld", static_cast<long long>(us));
  double v = std::strtod(metin, nullptr);
  if (!std::isfinite(v)) return false;
  *deger = v;
  return true;
}

int tus_oku() {
  ekran_bosalt();
  // The key is the first byte after the current line, so what is left of an
  // overlong line beyond the buffer goes first.
  while (klavye.satir_devam) {
    int c = ham_bayt();
    if (c < 0 || c == '\n') klavye.satir_devam = false;
  }
  int c;
  if (klavye.ham_bas < klavye.ham_son || klavye.ham_bitti || !konsol_terminal()) {
    c = ham_bayt();
  } else {
    c = konsol_tus();
  }
  if (c < 0) girdi_bitti();
  if (c == BAYT_LF) return TUS_ENTER;
  if (c == BAYT_DEL) return TUS_SIL;
  return c;
}

void girdi_bitti() {
  ekran_bosalt();
  throw GirdiBitti{};
}

void klavye_sifirla() {
  klavye = Klavye{};
}
