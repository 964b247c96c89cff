#include "input/letter_case.h"

namespace {

char buyuk(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char kucuk(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

void ilkharf(char* metin) {
  for (char* p = metin; *p != '\0'; ++p) *p = (p == metin) ? buyuk(*p) : kucuk(*p);
  // A blank capitalises what follows it; after a run of blanks that is the
  // first letter of the next word.
  for (char* p = metin; *p != '\0'; ++p) {
    if (*p == ' ' && p[1] != '\0') p[1] = buyuk(p[1]);
  }
}

void kucult(char* metin) {
  for (char* p = metin; *p != '\0'; ++p) *p = kucuk(*p);
}
