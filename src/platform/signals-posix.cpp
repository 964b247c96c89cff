#include <signal.h>
#include <sys/resource.h>

#include <cerrno>

#include "platform/signals.h"

namespace {

// The signals that end the program.
constexpr int BITIRENLER[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

void (*volatile son_isi)() = nullptr;

void sinyal_geldi(int sinyal) {
  // Only async-signal-safe calls here: the last work, then end the way the
  // signal would have ended the program. Ctrl+\ would leave a core file in
  // the working directory, the shared data folder, with records and
  // passwords in it: it ends the program without one.
  if (son_isi != nullptr) son_isi();
  struct rlimit cekirdeksiz = {0, 0};
  setrlimit(RLIMIT_CORE, &cekirdeksiz);
  signal(sinyal, SIG_DFL);
  raise(sinyal);
}

// The signal mask from before Ctrl+Z was made to wait.
sigset_t durdurma_oncesi;

void (*volatile durmadan_once_isi)() = nullptr;
void (*volatile surunce_isi)() = nullptr;

// Ctrl+Z: the work before the stop, the stop itself as the signal would have
// made it, and the work after it.
void durduruldu(int) {
  int eski_hata = errno;
  if (durmadan_once_isi != nullptr) durmadan_once_isi();
  struct sigaction varsayilan = {};
  varsayilan.sa_handler = SIG_DFL;
  sigemptyset(&varsayilan.sa_mask);
  struct sigaction bu;
  sigaction(SIGTSTP, &varsayilan, &bu);
  sigset_t kume;
  sigemptyset(&kume);
  sigaddset(&kume, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &kume, nullptr);
  raise(SIGTSTP);
  sigprocmask(SIG_BLOCK, &kume, nullptr);
  sigaction(SIGTSTP, &bu, nullptr);
  if (surunce_isi != nullptr) surunce_isi();
  errno = eski_hata;
}

void surduruldu(int) {
  int eski_hata = errno;
  if (surunce_isi != nullptr) surunce_isi();
  errno = eski_hata;
}

}  // namespace

void durdurmayi_kur(void (*durmadan_once)(), void (*surunce)()) {
  durmadan_once_isi = durmadan_once;
  surunce_isi = surunce;
  struct sigaction sa = {};
  sa.sa_flags = SA_RESTART;
  sigemptyset(&sa.sa_mask);
  sa.sa_handler = durduruldu;
  sigaction(SIGTSTP, &sa, nullptr);
  sa.sa_handler = surduruldu;
  sigaction(SIGCONT, &sa, nullptr);
}

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

void durdurmayi_ertele() {
  sigset_t kume;
  sigemptyset(&kume);
  sigaddset(&kume, SIGTSTP);
  sigprocmask(SIG_BLOCK, &kume, &durdurma_oncesi);
}

void durdurmaya_izin_ver() {
  sigprocmask(SIG_SETMASK, &durdurma_oncesi, nullptr);
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
