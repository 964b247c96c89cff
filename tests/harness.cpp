#include "harness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

bool wine_altinda() {
  return std::getenv("PALVO_WINE_EXE") != nullptr && std::getenv("PALVO_WINE") != nullptr;
}

std::string metin_dosyasi(const std::string& satirlar) {
  if (!wine_altinda()) return satirlar;
  std::string s;
  for (char c : satirlar) {
    if (c == '\n') s += '\r';
    s += c;
  }
  return s;
}

Calisma::Calisma() {
  const char* kok = std::getenv("TMPDIR");
  std::string sablon = std::string(kok && *kok ? kok : "/tmp") + "/palvo-test-XXXXXX";
  if (mkdtemp(sablon.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dizin_ = sablon;
}

Calisma::~Calisma() {
  std::error_code hata;
  std::filesystem::remove_all(dizin_, hata);
}

void Calisma::yaz(const std::string& ad, const std::string& bayt) const {
  std::ofstream f(yol(ad), std::ios::binary | std::ios::trunc);
  f.write(bayt.data(), static_cast<std::streamsize>(bayt.size()));
  if (!f) throw std::runtime_error("cannot write " + ad);
}

std::string Calisma::oku(const std::string& ad) const {
  std::ifstream f(yol(ad), std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool Calisma::var(const std::string& ad) const {
  struct stat st;
  return stat(yol(ad).c_str(), &st) == 0;
}

long Calisma::boy(const std::string& ad) const {
  struct stat st;
  return stat(yol(ad).c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

Sonuc Calisma::calistir(const std::string& girdi, int saniye, long dosya_siniri) const {
  int giris[2], cikis[2];
  if (pipe(giris) != 0 || pipe(cikis) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(giris[0], 0);
    dup2(cikis[1], 1);
    int bos = open("/dev/null", O_WRONLY);
    dup2(bos, 2);
    close(giris[0]);
    close(giris[1]);
    close(cikis[0]);
    close(cikis[1]);
    if (chdir(dizin_.c_str()) != 0) _exit(127);
    if (dosya_siniri >= 0) {
      struct rlimit sinir = {static_cast<rlim_t>(dosya_siniri), static_cast<rlim_t>(dosya_siniri)};
      setrlimit(RLIMIT_FSIZE, &sinir);
    }
    if (wine_altinda()) {
      const char* wine = std::getenv("PALVO_WINE");
      execl(wine, wine, std::getenv("PALVO_WINE_EXE"), static_cast<char*>(nullptr));
    } else {
      execl(PALVO_BIN, PALVO_BIN, static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  close(giris[0]);
  close(cikis[1]);
  signal(SIGPIPE, SIG_IGN);
  fcntl(giris[1], F_SETFL, O_NONBLOCK);

  Sonuc sonuc;
  std::size_t yazilan = 0;
  int yaz_fd = giris[1];
  if (girdi.empty()) {
    close(yaz_fd);
    yaz_fd = -1;
  }
  auto son = std::chrono::steady_clock::now() + std::chrono::seconds(saniye);
  char tampon[65536];
  for (;;) {
    auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(
                     son - std::chrono::steady_clock::now())
                     .count();
    if (kalan <= 0) {
      sonuc.zaman_asimi = true;
      kill(pid, SIGKILL);
      break;
    }
    struct pollfd p[2] = {{cikis[0], POLLIN, 0}, {yaz_fd, POLLOUT, 0}};
    int n = poll(p, yaz_fd >= 0 ? 2 : 1, static_cast<int>(kalan));
    if (n < 0 && errno == EINTR) continue;
    if (yaz_fd >= 0 && (p[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t w = write(yaz_fd, girdi.data() + yazilan, girdi.size() - yazilan);
      if (w > 0) yazilan += static_cast<std::size_t>(w);
      if (w < 0 && errno != EAGAIN) yazilan = girdi.size();
      if (yazilan == girdi.size()) {
        close(yaz_fd);
        yaz_fd = -1;
      }
    }
    if (p[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      ssize_t r = read(cikis[0], tampon, sizeof tampon);
      if (r > 0) {
        sonuc.cikti.append(tampon, static_cast<std::size_t>(r));
      } else if (r == 0) {
        break;
      }
    }
  }
  if (yaz_fd >= 0) close(yaz_fd);
  close(cikis[0]);
  int durum = 0;
  waitpid(pid, &durum, 0);
  if (WIFEXITED(durum)) sonuc.durum = WEXITSTATUS(durum);
  if (WIFSIGNALED(durum)) sonuc.sinyal = WTERMSIG(durum);
  if (wine_altinda()) {
    // The Windows program's screens end their lines with CR LF.
    std::size_t j = 0;
    for (std::size_t i = 0; i < sonuc.cikti.size(); ++i) {
      if (sonuc.cikti[i] == '\r' && i + 1 < sonuc.cikti.size() && sonuc.cikti[i + 1] == '\n')
        continue;
      sonuc.cikti[j++] = sonuc.cikti[i];
    }
    sonuc.cikti.resize(j);
  }
  return sonuc;
}
