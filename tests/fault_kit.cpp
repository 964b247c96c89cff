#include "fault_kit.h"

#include <cstdlib>

namespace ariza {

Ortam::Ortam(Ayarlar degerler) {
  for (const auto& [ad, deger] : degerler) koy(ad, deger);
}

Ortam::~Ortam() {
  for (auto it = eskiler_.rbegin(); it != eskiler_.rend(); ++it) {
    if (it->var) {
      setenv(it->ad.c_str(), it->deger.c_str(), 1);
    } else {
      unsetenv(it->ad.c_str());
    }
  }
}

void Ortam::koy(const std::string& ad, const std::string& deger) {
  const char* eski = std::getenv(ad.c_str());
  eskiler_.push_back({ad, eski != nullptr, eski != nullptr ? eski : ""});
  setenv(ad.c_str(), deger.c_str(), 1);
}

Onyukleme::Onyukleme(const std::string& kutuphane, Ayarlar ayarlar) : Ortam(ayarlar) {
  koy("LD_PRELOAD", kutuphane);
  // A sanitizer build of the program accepts a library ahead of its own
  // runtime only when told so.
  const char* asan = std::getenv("ASAN_OPTIONS");
  koy("ASAN_OPTIONS", std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0");
}

Ariza::Ariza(Ayarlar ayarlar) : Onyukleme(PALVO_SIM, ayarlar) {}

}  // namespace ariza
