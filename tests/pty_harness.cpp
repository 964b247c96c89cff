#include "pty_harness.h"

#include <algorithm>
#include <chrono>

bool PtyOturumu::bekle(const std::string& metin, int ms) {
  auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    std::size_t yer = cikti().find(metin, isaret_);
    if (yer != std::string::npos) {
      isaret_ = yer + metin.size();
      return true;
    }
    auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(
                     son - std::chrono::steady_clock::now())
                     .count();
    if (kalan <= 0) return false;
    surec_.oku(static_cast<int>(std::min<long long>(kalan, 50)));
  }
}
