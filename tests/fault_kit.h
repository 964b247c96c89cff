// Test-side helpers of the fault tests: the fault library (fault_shim.cpp),
// or another library, preloaded into the programs a test starts, steered by environment
// variables that are set only while the guard lives. Declare the guard after
// the working directory (Calisma), so that it is gone before the directory is
// removed and no other program ever gets the library.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace ariza {

// Every start of the program costs many times more under the sanitizers, so
// there the long sweeps take every n-th point (and both ends): every 16th
// file size limit and every 5th kill point. The plain build takes them all.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int SINIR_ADIMI = 16;
inline constexpr int OLDURME_ADIMI = 5;
#else
inline constexpr int SINIR_ADIMI = 1;
inline constexpr int OLDURME_ADIMI = 1;
#endif

// Names and values of environment variables.
using Ayarlar = std::initializer_list<std::pair<std::string, std::string>>;

// Sets environment variables for the programs started while it lives and
// puts the earlier values back afterwards.
class Ortam {
 public:
  Ortam(Ayarlar degerler);
  ~Ortam();
  Ortam(const Ortam&) = delete;
  Ortam& operator=(const Ortam&) = delete;

  void koy(const std::string& ad, const std::string& deger);

 private:
  struct Eski {
    std::string ad;
    bool var;
    std::string deger;
  };
  std::vector<Eski> eskiler_;
};

// The library at `kutuphane` preloaded with the given settings.
class Onyukleme : public Ortam {
 public:
  Onyukleme(const std::string& kutuphane, Ayarlar ayarlar);
};

// The fault library preloaded with the given settings (names and meanings in
// fault_shim.cpp).
class Ariza : public Onyukleme {
 public:
  Ariza(Ayarlar ayarlar);
};

}  // namespace ariza
