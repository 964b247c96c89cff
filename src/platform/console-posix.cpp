#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/code_page.h"
#include "platform/console.h"
#include "platform/keys.h"
#include "platform/signals.h"

// A terminal speaks UTF-8, while the program and its files work in code page
// 857, one byte a letter. Keyboard input from a terminal is translated into
// code page 857 and screen output to a terminal into UTF-8; through pipes and
// files bytes pass unchanged.

namespace {

// How long the rest of one key's bytes may take after its first byte.
constexpr int ARDIL_BEKLEME_MS = 30;
// The most bytes of an escape sequence that one key consumes.
constexpr int KACIS_EN_UZUN = 16;
// The piece of screen output translated at a time.
constexpr std::size_t CEVIRI_PARCASI = 1 << 12;

struct termios ilk_kip;                 // the terminal's mode as found at start
struct termios satir_kipi;              // the mode of line reads while the program runs
bool satir_kipi_farkli = false;         // the program's line mode differs from the found one
volatile sig_atomic_t kip_degisti = 0;  // the terminal is not in the mode it was found in
struct termios ham_kip;                 // the single-key mode made from the line mode
volatile sig_atomic_t ham_kipte = 0;    // a single-key read has the terminal
bool terminal = false;                  // keyboard input comes from a terminal
bool cikti_terminal = false;            // screen output goes to a terminal
int derinlik = 0;                       // how many single-key guards are alive

// Bytes taken from the terminal that belong to the next read: the incomplete
// start of a character at the end of a line read, or a byte that cut a key's
// character short.
unsigned char bekleyen[2 * UTF8_EN_UZUN];
std::size_t bekleyen_boy = 0;
bool sonu_bekliyor = false;  // the input ended behind what was handed over last

void kipe_gec(const struct termios& kip) {
  tcsetattr(STDIN_FILENO, TCSANOW, &kip);
}

// Puts the terminal back from inside a signal handler.
void sinyalde_geri_al() {
  if (kip_degisti) tcsetattr(STDIN_FILENO, TCSANOW, &ilk_kip);
}

// Gone on after a stop, from inside a signal handler: the mode the program
// was in, whatever the shell did with the terminal meanwhile.
void kipi_yeniden_kur() {
  if (ham_kipte) {
    tcsetattr(STDIN_FILENO, TCSANOW, &ham_kip);
  } else if (kip_degisti) {
    tcsetattr(STDIN_FILENO, TCSANOW, &satir_kipi);
  }
}

// Holds Ctrl+Z and the continue back while the terminal's mode and the flags
// that tell it change together.
class DurdurmaBekler {
 public:
  DurdurmaBekler() {
    sigset_t kume;
    sigemptyset(&kume);
    sigaddset(&kume, SIGTSTP);
    sigaddset(&kume, SIGCONT);
    sigprocmask(SIG_BLOCK, &kume, &eski_);
  }
  ~DurdurmaBekler() { sigprocmask(SIG_SETMASK, &eski_, nullptr); }
  DurdurmaBekler(const DurdurmaBekler&) = delete;
  DurdurmaBekler& operator=(const DurdurmaBekler&) = delete;

 private:
  sigset_t eski_;
};

void ham_kipe_gec() {
  if (derinlik++ > 0 || !terminal) return;
  DurdurmaBekler bekle;
  ham_kip = satir_kipi;
  ham_kip.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  ham_kip.c_cc[VMIN] = 1;
  ham_kip.c_cc[VTIME] = 0;
  kip_degisti = 1;
  ham_kipte = 1;
  kipe_gec(ham_kip);
}

void ham_kipten_cik() {
  if (--derinlik > 0 || !terminal) return;
  DurdurmaBekler bekle;
  kipe_gec(satir_kipi);
  ham_kipte = 0;
  kip_degisti = satir_kipi_farkli;
}

void geri_koy(const unsigned char* p, std::size_t n) {
  if (bekleyen_boy + n > sizeof bekleyen) return;
  std::memmove(bekleyen + n, bekleyen, bekleyen_boy);
  std::memcpy(bekleyen, p, n);
  bekleyen_boy += n;
}

std::size_t oku(unsigned char* tampon, std::size_t n) {
  ssize_t r;
  do {
    r = read(STDIN_FILENO, tampon, n);
  } while (r < 0 && errno == EINTR);
  return r > 0 ? static_cast<std::size_t>(r) : 0;
}

// One byte from the terminal; -1 at the end of input. With `bekle` >= 0 it
// waits that many milliseconds at most and answers -2 when nothing came.
int bayt(int bekle) {
  if (bekleyen_boy > 0) {
    int c = bekleyen[0];
    std::memmove(bekleyen, bekleyen + 1, --bekleyen_boy);
    return c;
  }
  if (bekle >= 0) {
    struct pollfd p = {STDIN_FILENO, POLLIN, 0};
    int r;
    do {
      r = poll(&p, 1, bekle);
    } while (r < 0 && errno == EINTR);
    if (r <= 0) return -2;
  }
  unsigned char c;
  return oku(&c, 1) == 1 ? c : -1;
}

// The rest of a key whose first byte `ilk` lies above ASCII: a UTF-8
// character gives its code page 857 byte, anything else CP857_YOK.
int karakter_tusu(int ilk) {
  unsigned char k[UTF8_EN_UZUN];
  std::size_t n = 0;
  k[n++] = static_cast<unsigned char>(ilk);
  char32_t kod;
  std::size_t alinan;
  while ((alinan = utf8_coz(k, n, &kod)) == 0) {
    int d = bayt(ARDIL_BEKLEME_MS);
    if (d == -1) return -1;
    if (d == -2) return CP857_YOK;
    k[n++] = static_cast<unsigned char>(d);
  }
  // A byte that cut the character short is the start of the next key.
  geri_koy(k + alinan, n - alinan);
  int b = kod == UTF8_HATALI ? -1 : cp857_bayt(kod);
  return b < 0 ? CP857_YOK : b;
}

bool hepsini_yaz(const unsigned char* veri, std::size_t boy) {
  while (boy > 0) {
    ssize_t n = write(STDOUT_FILENO, veri, boy);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    veri += n;
    boy -= static_cast<std::size_t>(n);
  }
  return true;
}

// A standard descriptor that is closed at start would be handed out again by
// the first open, and the screen would be written into a record file. Each
// closed one gets the null device instead; a closed input then simply ends.
void standartlari_ac() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int bos = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (bos >= 0 && bos != fd) {
      dup2(bos, fd);
      close(bos);
    }
  }
}

}  // namespace

void konsol_baslat() {
  standartlari_ac();
  terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &ilk_kip) == 0;
  cikti_terminal = isatty(STDOUT_FILENO);
  sinyalleri_kur(sinyalde_geri_al);
  std::atexit(konsol_birak);
  if (!terminal) return;
  durdurmayi_kur(sinyalde_geri_al, kipi_yeniden_kur);
  satir_kipi = ilk_kip;
#ifdef IUTF8
  // The terminal's own line editing must erase a whole UTF-8 character,
  // not its last byte.
  satir_kipi.c_iflag |= IUTF8;
#endif
  satir_kipi_farkli = satir_kipi.c_iflag != ilk_kip.c_iflag;
  if (satir_kipi_farkli) {
    kip_degisti = 1;
    kipe_gec(satir_kipi);
  }
}

void konsol_birak() {
  DurdurmaBekler bekle;
  if (kip_degisti) kipe_gec(ilk_kip);
  kip_degisti = 0;
  ham_kipte = 0;
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
  const unsigned char* p = reinterpret_cast<const unsigned char*>(veri);
  if (!cikti_terminal) return hepsini_yaz(p, boy);
  static unsigned char utf8[CEVIRI_PARCASI];
  while (boy > 0) {
    Ceviri c = cp857den_utf8(p, boy, utf8, sizeof utf8);
    if (!hepsini_yaz(utf8, c.verilen)) return false;
    p += c.alinan;
    boy -= c.alinan;
  }
  return true;
}

bool konsol_terminal() {
  return terminal;
}

std::size_t konsol_oku(unsigned char* tampon, std::size_t n) {
  if (!terminal) return oku(tampon, n);
  if (sonu_bekliyor) return 0;
  for (;;) {
    std::size_t boy = bekleyen_boy;
    std::memcpy(tampon, bekleyen, boy);
    bekleyen_boy = 0;
    std::size_t r = oku(tampon + boy, n - boy);
    if (r == 0) {
      if (boy == 0) return 0;
      // The input ended inside a character: that piece is not UTF-8.
      sonu_bekliyor = true;
      tampon[0] = CP857_YOK;
      return 1;
    }
    boy += r;
    Ceviri c = utf8den_cp857(tampon, boy);
    geri_koy(tampon + c.alinan, boy - c.alinan);
    if (c.verilen > 0) return c.verilen;
  }
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
  if (c >= 0x80) return karakter_tusu(c);
  if (c != TUS_KACIS) return c;
  // Escape alone, or the start of a key's sequence (arrows, function keys,
  // Alt with a key): whatever follows at once belongs to the same key.
  int d = bayt(ARDIL_BEKLEME_MS);
  if (d == -1) return -1;
  if (d == '[' || d == 'O') {
    bool csi = d == '[';
    for (int i = 0; i < KACIS_EN_UZUN; ++i) {
      int e = bayt(ARDIL_BEKLEME_MS);
      if (e == -1) return -1;
      if (e == -2) break;
      if (!csi || (e >= 0x40 && e <= 0x7e)) break;
    }
  }
  return TUS_KACIS;
}
