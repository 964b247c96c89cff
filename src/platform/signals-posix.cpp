#include <signal.h>

#include "platform/signals.h"

namespace {

// The signals that end the program.
constexpr int BITIRENLER[] = {SIGINT, SIGTERM, SIGHUP};

void (*volatile son_isi)() = nullptr;

void sinyal_geldi(int sinyal) {
  // Only async-signal-safe calls here: the last work, then end the way the
  // signal would have ended the program.
  if (son_isi != nullptr) son_isi();
  signal(sinyal, SIG_DFL);
  raise(sinyal);
}

}  // namespace

void sinyalleri_kur(void (*son_is)()) {
  son_isi = son_is;
  struct sigaction sa = {};
  sa.sa_handler = sinyal_geldi;
  sigemptyset(&sa.sa_mask);
  for (int s : BITIRENLER) sigaction(s, &sa, nullptr);
  // A closed output or a file size limit must not kill the program in the
  // middle of an operation; the failed write is noticed instead.
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
}

YazmaKorumasi::YazmaKorumasi() {
  sigset_t kume;
  sigemptyset(&kume);
  for (int s : BITIRENLER) sigaddset(&kume, s);
  sigprocmask(SIG_BLOCK, &kume, &eski_);
}

YazmaKorumasi::~YazmaKorumasi() {
  sigprocmask(SIG_SETMASK, &eski_, nullptr);
}
