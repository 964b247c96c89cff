#include "process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

using Saat = std::chrono::steady_clock;

// Milliseconds left until `son`, at least 0.
int kalan_ms(Saat::time_point son) {
  auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(son - Saat::now()).count();
  return kalan > 0 ? static_cast<int>(kalan) : 0;
}

void kapat(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

bool wine_altinda() {
  return std::getenv("PALVO_WINE_EXE") != nullptr && std::getenv("PALVO_WINE") != nullptr;
}

void programi_calistir() {
  if (wine_altinda()) {
    const char* wine = std::getenv("PALVO_WINE");
    execl(wine, wine, std::getenv("PALVO_WINE_EXE"), static_cast<char*>(nullptr));
  }
  posix_programi_calistir();
}

void posix_programi_calistir() {
  execl(PALVO_BIN, PALVO_BIN, static_cast<char*>(nullptr));
  _exit(127);
}

Surec::Surec(const SurecAyari& ayar, const std::function<void()>& cocukta) {
  int cocuk_girdi = -1, cocuk_cikti = -1;
  if (ayar.baglanti == Baglanti::terminal) {
    struct winsize boyut = {};
    boyut.ws_row = 50;
    boyut.ws_col = 132;
    if (openpty(&girdi_, &uc_, nullptr, nullptr, &boyut) != 0) throw std::runtime_error("openpty");
    cikis_ = girdi_;
    tcgetattr(uc_, &ilk_);
    ilk_.c_iflag &= ~static_cast<tcflag_t>(IUTF8);
    tcsetattr(uc_, TCSANOW, &ilk_);
  } else {
    int giris[2], cikis[2];
    if (pipe(giris) != 0) throw std::runtime_error("pipe");
    if (pipe(cikis) != 0) {
      close(giris[0]);
      close(giris[1]);
      throw std::runtime_error("pipe");
    }
    cocuk_girdi = giris[0];
    girdi_ = giris[1];
    cikis_ = cikis[0];
    cocuk_cikti = cikis[1];
    // A child that ends before it has read all its input must not end the test.
    signal(SIGPIPE, SIG_IGN);
  }
  // Nothing the test has buffered may be written twice, once by the child.
  std::fflush(nullptr);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork");
  if (pid_ == 0) {
    signal(SIGPIPE, SIG_DFL);
    if (ayar.baglanti == Baglanti::terminal) {
      setsid();
      ioctl(uc_, TIOCSCTTY, 0);
      dup2(uc_, 0);
      dup2(uc_, 1);
      dup2(uc_, 2);
      close(girdi_);
      if (uc_ > 2) close(uc_);
    } else {
      dup2(cocuk_girdi, 0);
      dup2(cocuk_cikti, 1);
      int bos = open("/dev/null", O_WRONLY);
      dup2(bos, 2);
      for (int fd : {cocuk_girdi, cocuk_cikti, girdi_, cikis_, bos}) {
        if (fd > 2) close(fd);
      }
    }
    if (!ayar.dizin.empty() && chdir(ayar.dizin.c_str()) != 0) _exit(127);
    if (ayar.dosya_siniri >= 0) {
      struct rlimit sinir = {static_cast<rlim_t>(ayar.dosya_siniri),
                             static_cast<rlim_t>(ayar.dosya_siniri)};
      setrlimit(RLIMIT_FSIZE, &sinir);
    }
    cocukta();
    _exit(127);
  }
  kapat(cocuk_girdi);
  kapat(cocuk_cikti);
  fcntl(girdi_, F_SETFL, O_NONBLOCK);
  if (cikis_ != girdi_) fcntl(cikis_, F_SETFL, O_NONBLOCK);
}

Surec::~Surec() {
  if (!bitti_ && pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (cikis_ == girdi_) cikis_ = -1;
  kapat(girdi_);
  kapat(cikis_);
  kapat(uc_);
}

void Surec::yaz(const std::string& bayt, int ms) {
  auto son = Saat::now() + std::chrono::milliseconds(ms);
  std::size_t n = 0;
  while (n < bayt.size() && girdi_ >= 0) {
    ssize_t w = write(girdi_, bayt.data() + n, bayt.size() - n);
    if (w > 0) {
      n += static_cast<std::size_t>(w);
    } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
      break;
    } else if (kalan_ms(son) == 0) {
      break;
    } else {
      oku(10);
    }
  }
  EXPECT_EQ(n, bayt.size()) << "the child took only " << n << " of the bytes typed";
}

void Surec::oku(int ms) {
  if (cikis_ < 0) return;
  struct pollfd p = {cikis_, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return;
  char tampon[65536];
  for (;;) {
    ssize_t r = read(cikis_, tampon, sizeof tampon);
    if (r <= 0) return;
    cikti_.append(tampon, static_cast<std::size_t>(r));
  }
}

Sonuc Surec::tamamla(const std::string& girdi, int saniye) {
  Sonuc sonuc;
  if (cikis_ == girdi_) throw std::logic_error("a terminal's input does not end");
  std::size_t yazilan = 0;
  if (girdi.empty()) kapat(girdi_);
  auto son = Saat::now() + std::chrono::seconds(saniye);
  char tampon[65536];
  for (;;) {
    int kalan = kalan_ms(son);
    if (kalan == 0) {
      sonuc.zaman_asimi = true;
      kill(pid_, SIGKILL);
      break;
    }
    struct pollfd p[2] = {{cikis_, POLLIN, 0}, {girdi_, POLLOUT, 0}};
    int n = poll(p, girdi_ >= 0 ? 2 : 1, kalan);
    if (n < 0 && errno == EINTR) continue;
    if (girdi_ >= 0 && (p[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t w = write(girdi_, girdi.data() + yazilan, girdi.size() - yazilan);
      if (w > 0) yazilan += static_cast<std::size_t>(w);
      if (w < 0 && errno != EAGAIN) yazilan = girdi.size();
      if (yazilan == girdi.size()) kapat(girdi_);
    }
    if (p[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      ssize_t r = read(cikis_, tampon, sizeof tampon);
      if (r > 0) {
        cikti_.append(tampon, static_cast<std::size_t>(r));
      } else if (r == 0) {
        break;
      }
    }
  }
  kapat(girdi_);
  kapat(cikis_);
  bitti_mi(0);
  sonuc.cikti = cikti_;
  if (WIFEXITED(durum_)) sonuc.durum = WEXITSTATUS(durum_);
  if (WIFSIGNALED(durum_)) sonuc.sinyal = WTERMSIG(durum_);
  return sonuc;
}

bool Surec::bitti_mi(int secenek) {
  if (!bitti_ && waitpid(pid_, &durum_, secenek) == pid_) bitti_ = true;
  return bitti_;
}

int Surec::bitis(int ms) {
  auto son = Saat::now() + std::chrono::milliseconds(ms);
  while (!bitti_mi(WNOHANG)) {
    oku(0);
    if (kalan_ms(son) == 0) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  oku(0);
  if (WIFEXITED(durum_)) return WEXITSTATUS(durum_);
  if (WIFSIGNALED(durum_)) return 128 + WTERMSIG(durum_);
  return -1;
}

struct termios Surec::kip() const {
  struct termios t = {};
  if (uc_ >= 0) tcgetattr(uc_, &t);
  return t;
}

void Surec::kip_koy(const struct termios& kip) {
  tcsetattr(uc_, TCSANOW, &kip);
}
