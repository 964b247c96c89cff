// The record scan over a patient file, looking for an identity number that
// no patient has (a lookup that misses reads the whole file), beside the
// straightforward scan: one record at a time through a buffered C stream,
// copied out and compared. The file lives in the build folder.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "patient_generator.h"
#include "store/field.h"
#include "store/record_file.h"
#include "store/records.h"

namespace {

const char* const ARANAN = "99999999999";

std::string dosya_hazirla(long adet) {
  mkdir(BENCH_DATA_DIR, 0755);
  std::string ad = std::string(BENCH_DATA_DIR) + "/scan-" + std::to_string(adet) + ".dat";
  if (!dosyalari_uret(adet, ad, "")) std::perror(ad.c_str());
  return ad;
}

void BM_Tarama(benchmark::State& state) {
  std::string ad = dosya_hazirla(state.range(0));
  std::size_t boy = std::strlen(ARANAN);
  for (auto _ : state) {
    Dosya d = dosya_ac(ad.c_str(), AcmaKipi::guncelle);
    Tarama<hasta> tarama(d.akis());
    long bulunan = 0;
    while (const hasta* k = tarama.siradaki()) {
      bulunan += k->dolu == DOLU && alan_metin_esit(k->tckimlik, ARANAN, boy);
    }
    benchmark::DoNotOptimize(bulunan);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) *
                          static_cast<int64_t>(sizeof(hasta)));
  std::remove(ad.c_str());
}
BENCHMARK(BM_Tarama)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TaramaKayitKayit(benchmark::State& state) {
  std::string ad = dosya_hazirla(state.range(0));
  for (auto _ : state) {
    FILE* f = std::fopen(ad.c_str(), "rb");
    hasta k;
    long bulunan = 0;
    while (std::fread(&k, sizeof k, 1, f) == 1) {
      bulunan += k.dolu == DOLU && std::strcmp(k.tckimlik, ARANAN) == 0;
    }
    std::fclose(f);
    benchmark::DoNotOptimize(bulunan);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) *
                          static_cast<int64_t>(sizeof(hasta)));
  std::remove(ad.c_str());
}
BENCHMARK(BM_TaramaKayitKayit)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
