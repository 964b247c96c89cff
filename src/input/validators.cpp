#include "input/validators.h"

#include <cstddef>
#include <cstring>

#include "input/letter_case.h"

namespace {

bool rakam(char c) {
  return c >= '0' && c <= '9';
}

struct Parca {
  const char* bas;
  std::size_t boy;
};

// Cuts `metin` at `ayrac` the way strtok does, without touching it: leading
// separators are skipped and a run of separators counts as one. Fills at most
// `en_cok` pieces and answers how many it found.
int parcala(const char* metin, char ayrac, Parca* parcalar, int en_cok) {
  int n = 0;
  const char* p = metin;
  while (n < en_cok) {
    while (*p == ayrac) ++p;
    if (*p == '\0') break;
    const char* bas = p;
    while (*p != '\0' && *p != ayrac) ++p;
    parcalar[n++] = {bas, static_cast<std::size_t>(p - bas)};
  }
  return n;
}

// The value of a piece as atoi reads it: white space skipped, an optional
// sign, then digits. Saturates instead of overflowing.
long deger(Parca parca) {
  const char* p = parca.bas;
  const char* son = parca.bas + parca.boy;
  while (p < son && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
  bool eksi = false;
  if (p < son && (*p == '+' || *p == '-')) eksi = *p++ == '-';
  long v = 0;
  for (; p < son && rakam(*p); ++p) {
    if (v < 1000000000L) v = v * 10 + (*p - '0');
  }
  return eksi ? -v : v;
}

}  // namespace

int kontrolno(const char* metin) {
  for (const char* p = metin; *p != '\0'; ++p) {
    if (!rakam(*p)) return 0;
  }
  return 1;
}

int kontrolcns(const char* metin) {
  char c = metin[0];
  return (c == 'E' || c == 'K' || c == 'e' || c == 'k') ? 1 : 0;
}

int kontrolmh(char* metin) {
  ilkharf(metin);
  return (std::strcmp(metin, "Evli") == 0 || std::strcmp(metin, "Bekar") == 0 ||
          std::strcmp(metin, "Dul") == 0)
             ? 1
             : 0;
}

int kontroltar(const char* metin) {
  Parca p[3];
  if (parcala(metin, '/', p, 3) < 3) return 0;
  if (p[0].boy != 2 || p[1].boy != 2 || p[2].boy != 4) return 0;
  if (deger(p[0]) >= 32) return 0;
  if (deger(p[1]) >= 13) return 0;
  return 1;
}

int kontrolst(const char* metin) {
  Parca p[2];
  if (parcala(metin, ':', p, 2) < 2) return 0;
  if (p[0].boy != 2 || p[1].boy != 2) return 0;
  if (deger(p[0]) >= 24) return 0;
  if (deger(p[1]) >= 60) return 0;
  return 1;
}
