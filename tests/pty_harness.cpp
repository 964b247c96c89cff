#include "pty_harness.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

PtyOturumu::PtyOturumu(const std::string& dizin) {
  struct winsize boyut = {};
  boyut.ws_row = 50;
  boyut.ws_col = 132;
  if (openpty(&ana_, &uc_, nullptr, nullptr, &boyut) != 0) throw std::runtime_error("openpty");
  tcgetattr(uc_, &ilk_);
  ilk_.c_iflag &= ~static_cast<tcflag_t>(IUTF8);
  tcsetattr(uc_, TCSANOW, &ilk_);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork");
  if (pid_ == 0) {
    setsid();
    ioctl(uc_, TIOCSCTTY, 0);
    dup2(uc_, 0);
    dup2(uc_, 1);
    dup2(uc_, 2);
    close(ana_);
    if (uc_ > 2) close(uc_);
    if (chdir(dizin.c_str()) != 0) _exit(127);
    execl(PALVO_BIN, PALVO_BIN, static_cast<char*>(nullptr));
    _exit(127);
  }
  fcntl(ana_, F_SETFL, O_NONBLOCK);
}

PtyOturumu::~PtyOturumu() {
  if (!bitti_ && pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (ana_ >= 0) close(ana_);
  if (uc_ >= 0) close(uc_);
}

void PtyOturumu::gonder(const std::string& bayt) {
  std::size_t n = 0;
  while (n < bayt.size()) {
    ssize_t w = write(ana_, bayt.data() + n, bayt.size() - n);
    if (w > 0) {
      n += static_cast<std::size_t>(w);
    } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
      return;
    } else {
      oku(10);
    }
  }
}

void PtyOturumu::oku(int ms) {
  struct pollfd p = {ana_, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return;
  char tampon[4096];
  for (;;) {
    ssize_t r = read(ana_, tampon, sizeof tampon);
    if (r <= 0) return;
    cikti_.append(tampon, static_cast<std::size_t>(r));
  }
}

bool PtyOturumu::bekle(const std::string& metin, int ms) {
  auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    std::size_t yer = cikti_.find(metin, isaret_);
    if (yer != std::string::npos) {
      isaret_ = yer + metin.size();
      return true;
    }
    auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(
                     son - std::chrono::steady_clock::now())
                     .count();
    if (kalan <= 0) return false;
    oku(static_cast<int>(kalan < 50 ? kalan : 50));
  }
}

int PtyOturumu::bitis(int ms) {
  auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!bitti_) {
    oku(0);
    pid_t r = waitpid(pid_, &durum_, WNOHANG);
    if (r == pid_) {
      bitti_ = true;
      break;
    }
    if (std::chrono::steady_clock::now() > son) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  oku(0);
  if (WIFEXITED(durum_)) return WEXITSTATUS(durum_);
  if (WIFSIGNALED(durum_)) return 128 + WTERMSIG(durum_);
  return -1;
}

struct termios PtyOturumu::kip() const {
  struct termios t = {};
  tcgetattr(uc_, &t);
  return t;
}
