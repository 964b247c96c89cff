// The program on a real (pseudo-)terminal: the screen clear, no echo at the
// single-key reads, keys that send escape sequences, and the terminal left
// exactly as it was found at exit, at the end of input and on signals.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <termios.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "fault_kit.h"
#include "harness.h"
#include "pty_harness.h"
#include "record_kit.h"

namespace {

using kayit_kiti::menuye_gir;
using kayit_kiti::tek_tus_kipini_bekle;
using kayit_kiti::TEMIZLE;

bool ayni_kip(const struct termios& a, const struct termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_lflag == b.c_lflag &&
         a.c_cc[VMIN] == b.c_cc[VMIN] && a.c_cc[VTIME] == b.c_cc[VTIME];
}

TEST(Terminal, ClearsScreen) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  PtyOturumu p(c.dizin());
  ASSERT_TRUE(p.bekle(TEMIZLE + "PALVO HASTANE OTOMASYONU 1.0\r\n===== UYE GIRISI =====\r\n"));
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  EXPECT_NE(p.cikti().find(TEMIZLE + "PALVO HASTANE OTOMASYONU 1.0 (nobet)\r\n===== ANA MENU"),
            std::string::npos);
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
}

TEST(Terminal, Asterisks) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  PtyOturumu p(c.dizin());
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("nobet\r");
  ASSERT_TRUE(p.bekle("nobet\r\nSifre: "));
  // Type slowly, key by key, as a person would.
  for (char k : std::string("nobet")) {
    p.gonder(std::string(1, k));
    ASSERT_TRUE(p.bekle("*"));
    EXPECT_EQ(p.cikti().find("nobet", p.cikti().find("Sifre: ")), std::string::npos);
  }
  p.gonder("\r");
  ASSERT_TRUE(p.bekle("*"));
  ASSERT_TRUE(p.bekle("===== ANA MENU ====="));
  std::string sifre_satiri = p.cikti().substr(p.cikti().find("Sifre: "));
  EXPECT_EQ(sifre_satiri.substr(0, 13), "Sifre: ******");
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
}

TEST(Terminal, ReturnKey) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  PtyOturumu p(c.dizin());
  const struct termios& ilk = p.ilk_kip();
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("4\r");
  ASSERT_TRUE(p.bekle("(Ana menuye donmek icin bir tusa basiniz)"));
  // While it waits for the key, the terminal is in single-key mode.
  tek_tus_kipini_bekle(p);
  p.gonder("q");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  std::string arada = p.cikti().substr(p.cikti().rfind("basiniz)"));
  EXPECT_EQ(arada.find('q'), std::string::npos) << "the key must not be shown";
  struct termios satir = ilk;
  satir.c_iflag |= IUTF8;  // line editing erases whole UTF-8 characters
  EXPECT_TRUE(ayni_kip(p.kip(), satir)) << "line mode is back at once after the key";
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_TRUE(ayni_kip(p.kip(), ilk));
}

TEST(Terminal, EscapeSequence) {
  WINDOWS_DISI("pseudo-terminal");
  const char* tuslar[] = {"\x1b[A", "\x1b[15~", "\x1bOP", "\x1b"};
  for (const char* tus : tuslar) {
    Calisma c;
    PtyOturumu p(c.dizin());
    ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
    p.gonder("4\r");
    ASSERT_TRUE(p.bekle("basiniz)"));
    p.gonder(tus);
    ASSERT_TRUE(p.bekle("Seciminiz: "));
    // Had any byte of the key been left over, it would spoil this choice.
    p.gonder("14\r");
    EXPECT_EQ(p.bitis(), 0) << "key " << (tus + 1);
  }
}

TEST(Terminal, EndAtPrompt) {
  WINDOWS_DISI("pseudo-terminal");
  Calisma c;
  PtyOturumu p(c.dizin());
  const struct termios& ilk = p.ilk_kip();
  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("\x04");  // Ctrl+D at the start of a line: end of input
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_TRUE(ayni_kip(p.kip(), ilk));
}

// A signal that ends the program, sent, or typed at the keyboard.
struct SinyalDurumu {
  int sinyal;
  const char* tus;  // typed instead of sending the signal, when set
};

void sinyal_ver(PtyOturumu& p, const SinyalDurumu& d) {
  if (d.tus) {
    p.gonder(d.tus);
  } else {
    kill(p.pid(), d.sinyal);
  }
}

TEST(Terminal, SignalAtKey) {
  WINDOWS_DISI("pseudo-terminal");
  using Durum = SinyalDurumu;
  for (Durum d : {Durum{SIGTERM, nullptr}, Durum{SIGHUP, nullptr}, Durum{SIGINT, "\x03"}}) {
    Calisma c;
    PtyOturumu p(c.dizin());
    const struct termios& ilk = p.ilk_kip();
    ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
    p.gonder("4\r");
    ASSERT_TRUE(p.bekle("basiniz)"));
    ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
    sinyal_ver(p, d);
    EXPECT_EQ(p.bitis(), 128 + d.sinyal);
    EXPECT_TRUE(ayni_kip(p.kip(), ilk)) << "signal " << d.sinyal;
  }
}

// At the password entry, where echo is off: the terminal gets it back. And
// Ctrl+\ leaves no core file in the data folder, though the limit on core
// files is raised for the program as far as it goes.
TEST(Terminal, SignalAtPassword) {
  WINDOWS_DISI("pseudo-terminal");
  struct rlimit eski;
  getrlimit(RLIMIT_CORE, &eski);
  struct rlimit cekirdek = {eski.rlim_max, eski.rlim_max};
  setrlimit(RLIMIT_CORE, &cekirdek);
  for (SinyalDurumu d : {SinyalDurumu{SIGTERM, nullptr}, SinyalDurumu{SIGQUIT, "\x1c"}}) {
    Calisma c;
    PtyOturumu p(c.dizin());
    const struct termios& ilk = p.ilk_kip();
    ASSERT_TRUE(p.bekle("Kullanici Adi: "));
    p.gonder("nobet\r");
    ASSERT_TRUE(p.bekle("Sifre: "));
    p.gonder("no");
    ASSERT_TRUE(p.bekle("**"));
    sinyal_ver(p, d);
    EXPECT_EQ(p.bitis(), 128 + d.sinyal);
    EXPECT_TRUE(ayni_kip(p.kip(), ilk)) << "signal " << d.sinyal;
    EXPECT_TRUE(std::filesystem::is_empty(c.dizin())) << "signal " << d.sinyal;
  }
  setrlimit(RLIMIT_CORE, &eski);
}

// Whether the process has stopped, within `ms` milliseconds.
bool durdu(pid_t pid, int ms = 5000) {
  std::string yol = "/proc/" + std::to_string(pid) + "/stat";
  for (int i = 0; i < ms / 5; ++i) {
    std::ifstream f(yol);
    std::string satir;
    std::getline(f, satir);
    std::size_t kapa = satir.rfind(')');
    if (kapa != std::string::npos && kapa + 2 < satir.size() && satir[kapa + 2] == 'T') return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

// Ctrl+Z at a single-key read, as at an interactive shell, and fg: while the
// program is stopped the shell has the terminal as it was found; continued,
// the read goes on without echo and without Enter. Tried at the password
// entry, the deletion confirmation and the return prompt.
TEST(Terminal, Suspend) {
  WINDOWS_DISI("job control");
  Calisma c;
  c.yaz(HASTA_DOSYASI, bayt(kayit_kiti::hasta_kaydi("12345678901")));
  PtyOturumu p(c.dizin(), true);
  const struct termios& ilk = p.ilk_kip();
  auto durdur_surdur = [&](const char* yer) {
    SCOPED_TRACE(yer);
    ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
    p.gonder("\x1a");  // Ctrl+Z
    ASSERT_TRUE(durdu(p.pid()));
    EXPECT_TRUE(ayni_kip(p.kip(), ilk)) << "the shell gets its terminal back";
    p.kip_koy(ilk);          // the shell's own mode, whatever the program left
    kill(p.pid(), SIGCONT);  // fg
    // Single keys again after fg.
    ASSERT_NO_FATAL_FAILURE(tek_tus_kipini_bekle(p));
  };

  ASSERT_TRUE(p.bekle("Kullanici Adi: "));
  p.gonder("nobet\r");
  ASSERT_TRUE(p.bekle("Sifre: "));
  p.gonder("no");
  ASSERT_TRUE(p.bekle("**"));
  ASSERT_NO_FATAL_FAILURE(durdur_surdur("password"));
  // Each key shows its asterisk at once, before Enter, and is not echoed.
  p.gonder("b");
  ASSERT_TRUE(p.bekle("*"));
  p.gonder("e");
  ASSERT_TRUE(p.bekle("*"));
  p.gonder("t\r");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  std::size_t bas = p.cikti().find("Sifre: ");
  std::string sifre = p.cikti().substr(bas, p.cikti().find(TEMIZLE, bas) - bas);
  EXPECT_EQ(sifre, "Sifre: ******") << "a password key was echoed";

  p.gonder("3\r12345678901\r");
  ASSERT_TRUE(p.bekle("Emin Misiniz (E-H): "));
  ASSERT_NO_FATAL_FAILURE(durdur_surdur("confirmation"));
  p.gonder("h");  // no Enter: the key alone answers
  ASSERT_TRUE(p.bekle("(Toplam 1 hasta kayitli)"));
  ASSERT_TRUE(p.bekle("basiniz)"));
  ASSERT_NO_FATAL_FAILURE(durdur_surdur("return prompt"));
  p.gonder("q");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  // Line mode again, as the program keeps it, after the key.
  struct termios satir = ilk;
  satir.c_iflag |= IUTF8;
  EXPECT_TRUE(ayni_kip(p.kip(), satir));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  EXPECT_TRUE(ayni_kip(p.kip(), ilk));
}

// Ctrl+Z while a payment holds the patient file's writers' lock (it comes
// just before the payment's sync): the desk stops only once the lock is
// gone, so no other desk waits for a stopped one; after fg the payment ends
// as usual.
TEST(Terminal, SuspendWaitsForTheLock) {
  WINDOWS_DISI("job control");
  Calisma c;
  hasta k = kayit_kiti::hasta_kaydi("12345678901", "Ali Veli", "Yok", 10);
  c.yaz(HASTA_DOSYASI, bayt(k));
  ariza::Ariza a({{"SIM_OLDUR_ESITLE", "1"}, {"SIM_OLDUR_SINYALI", std::to_string(SIGTSTP)}});
  PtyOturumu p(c.dizin(), true);
  ASSERT_NO_FATAL_FAILURE(menuye_gir(p));
  p.gonder("8\r12345678901\r");
  ASSERT_TRUE(p.bekle("Bakiye: "));
  p.gonder("5\r");
  ASSERT_TRUE(durdu(p.pid())) << "Ctrl+Z did not stop the desk";
  EXPECT_FALSE(kilitli_mi(c.yol(HASTA_DOSYASI))) << "stopped holding its lock";
  p.kip_koy(p.ilk_kip());
  kill(p.pid(), SIGCONT);
  ASSERT_TRUE(p.bekle("(Toplam 1 hasta kayitli)"));
  ASSERT_TRUE(p.bekle("basiniz)"));
  p.gonder("q");
  ASSERT_TRUE(p.bekle("Seciminiz: "));
  p.gonder("14\r");
  EXPECT_EQ(p.bitis(), 0);
  k.ucret = 15;
  EXPECT_EQ(c.oku(HASTA_DOSYASI), bayt(k));
}

}  // namespace
