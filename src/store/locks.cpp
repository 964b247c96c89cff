#include "store/locks.h"

#include <algorithm>

#include "platform/disk.h"
#include "platform/signals.h"

namespace {

using Saat = std::chrono::steady_clock;

// The locks this process holds: one entry a file and byte, whichever stream
// took it, with the number of guards that hold it. A write holds at most
// three at once (a file's numbers byte, its data byte, and for a moment its
// pending byte; or the archive's and the patient file's data bytes), a report
// two, so there is room enough.
struct Tutulan {
  FILE* f = nullptr;
  int64_t bayt = 0;
  KilitTuru tur = KilitTuru::okuma;
  int guard = 0;  // 0: a free entry
};
constexpr int EN_COK_KILIT = 8;
Tutulan tutulanlar[EN_COK_KILIT];

// How many reasons Ctrl+Z has to wait: the entries in use, so that no desk
// is stopped holding what the others wait for, and the passes in progress.
int tutulan_sayisi = 0;

// Keeps Ctrl+Z waiting from the pending byte's release to the first try for
// the data byte, a few microseconds, rather than letting it through and
// making it wait again: two changes of the signal mask fewer a block.
class GecisTutucu {
 public:
  GecisTutucu() { ++tutulan_sayisi; }
  ~GecisTutucu() {
    if (--tutulan_sayisi == 0) durdurmaya_izin_ver();
  }
  GecisTutucu(const GecisTutucu&) = delete;
  GecisTutucu& operator=(const GecisTutucu&) = delete;
};

// The entry of byte `bayt` of the stream's file, or -1. The stream itself is
// looked for first; another stream of the same file costs a look at both.
int bul(FILE* f, int64_t bayt) {
  for (int i = 0; i < EN_COK_KILIT; ++i) {
    if (tutulanlar[i].guard > 0 && tutulanlar[i].f == f && tutulanlar[i].bayt == bayt) return i;
  }
  for (int i = 0; i < EN_COK_KILIT; ++i) {
    const Tutulan& t = tutulanlar[i];
    if (t.guard > 0 && t.f != f && t.bayt == bayt && disk_ayni_dosya(f, t.f)) return i;
  }
  return -1;
}

// One try. Ctrl+Z is made to wait before the try that may take the first
// lock, not after it, so that no stop can fall between the two.
KilitDenemesi dene(FILE* f, int64_t bayt, KilitTuru tur) {
  if (tutulan_sayisi == 0) durdurmayi_ertele();
  KilitDenemesi d = kilit_dene(f, bayt, tur);
  if (d == KilitDenemesi::alindi) {
    ++tutulan_sayisi;
  } else if (tutulan_sayisi == 0) {
    durdurmaya_izin_ver();
  }
  return d;
}

}  // namespace

Kilit::Kilit(FILE* f, int64_t bayt, KilitTuru tur, Sabir& sabir, std::chrono::milliseconds en_cok,
             bool sik) {
  if (f == nullptr) return;
  int var = bul(f, bayt);
  if (var >= 0) {
    // Held already: an exclusive lock covers a shared one, but a shared
    // one is never turned exclusive.
    if (tur == KilitTuru::yazma && tutulanlar[var].tur != KilitTuru::yazma) {
      sonuc_ = KilitSonucu::hata;
      return;
    }
    ++tutulanlar[var].guard;
    yer_ = var;
    sonuc_ = KilitSonucu::tutuluyor;
    return;
  }
  int bos = -1;
  for (int i = 0; i < EN_COK_KILIT && bos < 0; ++i) {
    if (tutulanlar[i].guard == 0) bos = i;
  }
  if (bos < 0) {
    sonuc_ = KilitSonucu::hata;
    return;
  }
  // Only another holder is waited for; a lock the system cannot give at all
  // fails at once, as waiting would only delay the same answer.
  auto bas = Saat::now();
  Saat::duration sinir = sabir.kalan();
  if (en_cok < std::chrono::duration_cast<std::chrono::milliseconds>(sinir)) sinir = en_cok;
  int aralik = 1;
  for (;;) {
    KilitDenemesi d = dene(f, bayt, tur);
    if (d == KilitDenemesi::alindi) {
      tutulanlar[bos] = {f, bayt, tur, 1};
      yer_ = bos;
      sonuc_ = KilitSonucu::tutuluyor;
      break;
    }
    if (d == KilitDenemesi::hata) {
      sonuc_ = KilitSonucu::hata;
      break;
    }
    auto gecen = Saat::now() - bas;
    if (gecen >= sinir) break;
    auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(sinir - gecen).count() + 1;
    kilit_arasi_bekle(static_cast<int>(std::min<long long>(aralik, kalan)));
    if (!sik) aralik = std::min<int>(aralik * 2, static_cast<int>(EN_UZUN_ARALIK.count()));
  }
  sabir.harca(Saat::now() - bas);
}

Kilit& Kilit::operator=(Kilit&& k) noexcept {
  if (this != &k) {
    birak();
    yer_ = k.yer_;
    sonuc_ = k.sonuc_;
    k.yer_ = -1;
  }
  return *this;
}

void Kilit::birak() {
  if (yer_ < 0) return;
  Tutulan& t = tutulanlar[yer_];
  yer_ = -1;
  if (--t.guard > 0) return;
  kilit_birak(t.f, t.bayt);
  t.f = nullptr;
  if (--tutulan_sayisi == 0) durdurmaya_izin_ver();
}

bool kilit_bende(FILE* f, int64_t bayt, KilitTuru tur) {
  int i = bul(f, bayt);
  return i >= 0 && (tur == KilitTuru::okuma || tutulanlar[i].tur == KilitTuru::yazma);
}

BlokKilidi::BlokKilidi(FILE* f, bool& bekleyeni_gec) {
  Sabir sabir(KILIT_BEKLEMESI);
  if (bekleyeni_gec && !kilit_bende(f, KILIT_KONUMU)) {
    Kilit gecis(f, BEKLEYEN_KONUMU, KilitTuru::okuma, sabir, BEKLEYEN_SABRI);
    if (gecis.sonuc() == KilitSonucu::hata) return;
    if (gecis) {
      // Passed: let go, and one try for the data byte at once.
      GecisTutucu tut;
      gecis.birak();
      veri_ = Kilit(f, KILIT_KONUMU, KilitTuru::okuma, sabir, std::chrono::milliseconds(0));
    } else {
      // A writer that has held the pending byte this long is stuck, or its
      // desk is stopped: the scan goes on without passing it.
      bekleyeni_gec = false;
    }
  }
  if (!veri_ && veri_.sonuc() != KilitSonucu::hata) {
    veri_ = Kilit(f, KILIT_KONUMU, KilitTuru::okuma, sabir);
  }
}

YazmaKilidi::YazmaKilidi(FILE* f, Sabir& sabir) {
  if (kilit_bende(f, KILIT_KONUMU, KilitTuru::yazma)) {
    veri_ = Kilit(f, KILIT_KONUMU, KilitTuru::yazma, sabir);
    return;
  }
  for (;;) {
    Kilit bekleyen(f, BEKLEYEN_KONUMU, KilitTuru::yazma, sabir);
    if (!bekleyen) return;
    // Every reader waits while the pending byte is held: the data byte is
    // asked for every millisecond.
    veri_ = Kilit(f, KILIT_KONUMU, KilitTuru::yazma, sabir, BEKLEYEN_TUTMA, true);
    if (veri_ || veri_.sonuc() == KilitSonucu::hata || sabir.tukendi()) return;
    // Held too long: a reader of an earlier build, or a crashed client,
    // holds the data byte. The readers get a turn before the next try.
    bekleyen.birak();
    auto bas = Saat::now();
    kilit_arasi_bekle(static_cast<int>(BEKLEYEN_ARASI.count()));
    sabir.harca(Saat::now() - bas);
    if (sabir.tukendi()) return;
  }
}
