#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "shell/console.h"

namespace {

struct termios ilk_kip;               // the terminal's mode as found at start
volatile sig_atomic_t ham_kipte = 0;  // set while a single-key read has the terminal
bool terminal = false;
int derinlik = 0;  // how many single-key guards are alive

void geri_al() {
  if (terminal) tcsetattr(STDIN_FILENO, TCSANOW, &ilk_kip);
  ham_kipte = 0;
}

void sinyal_geldi(int sinyal) {
  // Only async-signal-safe calls here: put the terminal back, then end the
  // way the signal would have ended the program.
  if (ham_kipte) tcsetattr(STDIN_FILENO, TCSANOW, &ilk_kip);
  signal(sinyal, SIG_DFL);
  raise(sinyal);
}

void ham_kipe_gec() {
  if (derinlik++ > 0 || !terminal) return;
  struct termios ham = ilk_kip;
  ham.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  ham.c_cc[VMIN] = 1;
  ham.c_cc[VTIME] = 0;
  ham_kipte = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &ham);
}

void ham_kipten_cik() {
  if (--derinlik == 0 && ham_kipte) geri_al();
}

// One byte from the terminal; -1 at the end of input. With `bekle` >= 0 it
// waits that many milliseconds at most and answers -2 when nothing came.
int bayt(int bekle) {
  if (bekle >= 0) {
    struct pollfd p = {STDIN_FILENO, POLLIN, 0};
    int r;
    do {
      r = poll(&p, 1, bekle);
    } while (r < 0 && errno == EINTR);
    if (r <= 0) return -2;
  }
  unsigned char c;
  ssize_t n;
  do {
    n = read(STDIN_FILENO, &c, 1);
  } while (n < 0 && errno == EINTR);
  return n == 1 ? c : -1;
}

}  // namespace

void konsol_baslat() {
  terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &ilk_kip) == 0;
  struct sigaction sa = {};
  sa.sa_handler = sinyal_geldi;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
  // A closed output or a file size limit must not kill the program in the
  // middle of an operation; the failed write is noticed instead.
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
  std::atexit(konsol_birak);
}

void konsol_birak() {
  if (ham_kipte) geri_al();
}

void konsol_temizle() {
  static constexpr char SIL[] = "\x1b[H\x1b[2J\x1b[3J";
  if (isatty(STDOUT_FILENO)) {
    konsol_yaz(SIL, sizeof SIL - 1);
  } else {
    konsol_yaz("\f", 1);
  }
}

bool konsol_yaz(const char* veri, std::size_t boy) {
  while (boy > 0) {
    ssize_t n = write(STDOUT_FILENO, veri, boy);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    veri += n;
    boy -= static_cast<std::size_t>(n);
  }
  return true;
}

bool konsol_terminal() {
  return terminal;
}

std::size_t konsol_oku(unsigned char* tampon, std::size_t n) {
  ssize_t r;
  do {
    r = read(STDIN_FILENO, tampon, n);
  } while (r < 0 && errno == EINTR);
  return r > 0 ? static_cast<std::size_t>(r) : 0;
}

TusKipi::TusKipi() {
  ham_kipe_gec();
}
TusKipi::~TusKipi() {
  ham_kipten_cik();
}

int konsol_tus() {
  TusKipi kip;
  int c = bayt(-1);
  if (c != 27) return c;
  // Escape alone, or the start of a key's sequence (arrows, function keys,
  // Alt with a key): whatever follows at once belongs to the same key.
  int d = bayt(30);
  if (d == -1) return -1;
  if (d == '[' || d == 'O') {
    bool csi = d == '[';
    for (int i = 0; i < 16; ++i) {
      int e = bayt(30);
      if (e == -1) return -1;
      if (e == -2) break;
      if (!csi || (e >= 0x40 && e <= 0x7e)) break;
    }
  }
  return 27;
}
