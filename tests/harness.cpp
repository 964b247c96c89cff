#include "harness.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// A lock of type `tur` on one of the program's lock bytes.
struct flock kilit_bayti(short tur, int64_t bayt) {
  struct flock kilit = {};
  kilit.l_type = tur;
  kilit.l_whence = SEEK_SET;
  kilit.l_start = static_cast<off_t>(bayt);
  kilit.l_len = 1;
  return kilit;
}

}  // namespace

BaskaMasaKilidi::BaskaMasaKilidi(const std::string& yol, bool yazma, int64_t bayt)
    : fd_(open(yol.c_str(), O_RDWR | O_CLOEXEC)) {
  struct flock kilit = kilit_bayti(yazma ? F_WRLCK : F_RDLCK, bayt);
  tutuluyor_ = fd_ >= 0 && fcntl(fd_, F_SETLK, &kilit) == 0;
}

BaskaMasaKilidi::~BaskaMasaKilidi() {
  if (fd_ >= 0) close(fd_);
}

bool kilitli_mi(const std::string& yol, int64_t bayt) {
  int fd = open(yol.c_str(), O_RDWR | O_CLOEXEC);
  struct flock kilit = kilit_bayti(F_WRLCK, bayt);
  bool var = fd >= 0 && fcntl(fd, F_GETLK, &kilit) == 0 && kilit.l_type != F_UNLCK;
  if (fd >= 0) close(fd);
  return var;
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
  Surec surec({Baglanti::borular, dizin_, dosya_siniri}, programi_calistir);
  Sonuc sonuc = surec.tamamla(girdi, saniye);
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
