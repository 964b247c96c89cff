#include "shell/about.h"

#include "screen/screen.h"

namespace {

// Fixed texts of this build.
constexpr const char* YAZAR = "Palvo Yazilim Ekibi";
constexpr const char* YAZAR_NO = "2026-0001";
constexpr const char* EPOSTA = "destek@palvo.example";
constexpr const char* WEB = "www.palvo.example";

}  // namespace

void hakkinda() {
  basla("HAKKINDA");
  yaz("%s\n", YAZAR);
  yaz("%-7s %s\n", "no:", YAZAR_NO);
  yaz("%-7s %s\n", "e-mail:", EPOSTA);
  yaz("%-7s %s\n", "web:", WEB);
  return bitir();
}
