#include "store/locks.h"

#include "platform/signals.h"

namespace {

// The streams through which this process holds a writers' lock: at most
// two at once (the discharge holds the archive's and the patient file's, the
// report its own while it reads the patient file), so there is room enough.
constexpr int EN_COK_KILIT = 4;
FILE* yazanlar[EN_COK_KILIT];

// How many locks this process holds, on any file: Ctrl+Z waits while there
// is one, so that no desk is stopped holding what the others wait for.
int tutulan = 0;

// One try. Ctrl+Z is made to wait before the try that may take the first
// lock, not after it, so that no stop can fall between the two.
KilitDenemesi dene(FILE* f, KilitTuru tur) {
  if (tutulan == 0) durdurmayi_ertele();
  KilitDenemesi d = kilit_dene(f, tur);
  if (d == KilitDenemesi::alindi) {
    ++tutulan;
  } else if (tutulan == 0) {
    durdurmaya_izin_ver();
  }
  return d;
}

// Only another holder is waited for; a lock the system cannot give at all
// fails at once, as waiting would only delay the same answer.
bool al(FILE* f, KilitTuru tur) {
  auto son = std::chrono::steady_clock::now() + KILIT_BEKLEMESI;
  for (;;) {
    KilitDenemesi d = dene(f, tur);
    if (d != KilitDenemesi::dolu) return d == KilitDenemesi::alindi;
    if (std::chrono::steady_clock::now() >= son) return false;
    kilit_arasi_bekle();
  }
}

// Whether this process holds the writers' lock through the stream `f`.
bool yazma_kilidi_bende(FILE* f) {
  for (FILE* y : yazanlar) {
    if (y == f) return true;
  }
  return false;
}

}  // namespace

Kilit::Kilit(FILE* f, KilitTuru tur) : f_(f), tur_(tur) {
  if (f == nullptr) return;
  if (yazma_kilidi_bende(f)) {
    tutuluyor_ = true;
    return;
  }
  FILE** yer = nullptr;
  if (tur == KilitTuru::yazma) {
    for (FILE*& y : yazanlar) {
      if (y == nullptr) {
        yer = &y;
        break;
      }
    }
    if (yer == nullptr) return;
  }
  if (!al(f, tur)) return;
  if (yer != nullptr) *yer = f;
  aldi_ = tutuluyor_ = true;
}

Kilit::~Kilit() {
  if (!aldi_) return;
  if (tur_ == KilitTuru::yazma) {
    for (FILE*& y : yazanlar) {
      if (y == f_) y = nullptr;
    }
  }
  kilit_birak(f_);
  if (--tutulan == 0) durdurmaya_izin_ver();
}
