// How fast the record scan walks a large patient file: every lookup, list
// and search is one such pass.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "store/record_file.h"
#include "store/records.h"

namespace {

std::string dosya_hazirla(long adet) {
  std::string ad = "/tmp/palvo-bench-" + std::to_string(getpid()) + ".dat";
  FILE* f = std::fopen(ad.c_str(), "wb");
  hasta k;
  std::memset(&k, 0, sizeof k);
  k.dolu = DOLU;
  std::strcpy(k.isim, "Ali Veli");
  for (long i = 0; i < adet; ++i) {
    std::snprintf(k.tckimlik, sizeof k.tckimlik, "%011ld", i);
    std::fwrite(&k, sizeof k, 1, f);
  }
  std::fclose(f);
  return ad;
}

void BM_TumDosyayiTara(benchmark::State& state) {
  std::string ad = dosya_hazirla(state.range(0));
  for (auto _ : state) {
    Dosya d = dosya_ac(ad.c_str(), AcmaKipi::guncelle);
    Tarama<hasta> tarama(d.akis());
    hasta k;
    long bulunan = 0;
    while (tarama.sonraki(k)) bulunan += k.dolu == DOLU && std::strcmp(k.tckimlik, "x") == 0;
    benchmark::DoNotOptimize(bulunan);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::remove(ad.c_str());
}

BENCHMARK(BM_TumDosyayiTara)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
