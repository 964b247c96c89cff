// The patient card, formatted as the list, the search and the report do it,
// beside the straightforward printf card; both go to the same stream on
// /dev/null, so that only the formatting differs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "patient_generator.h"
#include "patients/card_block.h"
#include "patients/card_format.h"
#include "printf_card.h"

namespace {

constexpr long ADET = 4096;

std::vector<hasta> hastalar() {
  std::vector<hasta> v;
  for (long i = 0; i < ADET; ++i) {
    hasta k = uretilen_hasta(i, ADET);
    if (k.dolu == DOLU) v.push_back(k);
  }
  return v;
}

FILE* bos_akis() {
  static FILE* f = std::fopen("/dev/null", "w");
  return f;
}

void BM_Kart(benchmark::State& state) {
  std::vector<hasta> v = hastalar();
  for (auto _ : state) {
    KartBlogu blok(akisa, bos_akis());
    for (const hasta& k : v) blok.ekle(k);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(v.size()));
}
BENCHMARK(BM_Kart);

void BM_KartPrintf(benchmark::State& state) {
  std::vector<hasta> v = hastalar();
  for (auto _ : state) {
    for (const hasta& k : v) printf_kart(bos_akis(), k);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(v.size()));
}
BENCHMARK(BM_KartPrintf);

// The amount alone, beside "%.2f".
void BM_Tutar(benchmark::State& state) {
  std::vector<hasta> v = hastalar();
  char t[TUTAR_EN_UZUN];
  for (auto _ : state) {
    for (const hasta& k : v) benchmark::DoNotOptimize(tutar_ekle(t, k.ucret));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(v.size()));
}
BENCHMARK(BM_Tutar);

void BM_TutarPrintf(benchmark::State& state) {
  std::vector<hasta> v = hastalar();
  char t[TUTAR_EN_UZUN];
  for (auto _ : state) {
    for (const hasta& k : v) benchmark::DoNotOptimize(std::snprintf(t, sizeof t, "%.2f", k.ucret));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(v.size()));
}
BENCHMARK(BM_TutarPrintf);

}  // namespace
