// The one way the tests start a process of their own: the built program for
// a whole session, or a piece of the test that must end with its input (the
// keyboard ends the program when its input ends). The child's standard
// streams reach the test through pipes or through a new pseudo-terminal.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <functional>
#include <string>

// What a child left behind once it has ended.
struct Sonuc {
  std::string cikti;  // everything it wrote to standard output
  int durum = -1;     // exit status, or -1 when it did not exit normally
  int sinyal = 0;     // the signal that ended it, if any
  bool zaman_asimi = false;
};

// How the child's standard streams reach the test.
enum class Baglanti {
  // Standard input and output are pipes; standard error goes to /dev/null.
  borular,
  // All three are a new pseudo-terminal of 50 rows and 132 columns, the
  // child's controlling terminal, in the system's default mode without UTF-8
  // line editing (IUTF8), so that what the child sets is seen.
  terminal,
};

struct SurecAyari {
  Baglanti baglanti = Baglanti::borular;
  std::string dizin;       // the child's working directory; empty: the test's own
  long dosya_siniri = -1;  // zero or more: the size limit of every file it writes
};

class Surec {
 public:
  // Starts `cocukta` in a child process joined as `ayar` says. A child whose
  // `cocukta` returns exits with status 127.
  Surec(const SurecAyari& ayar, const std::function<void()>& cocukta);
  // Kills a child that is still running.
  ~Surec();
  Surec(const Surec&) = delete;
  Surec& operator=(const Surec&) = delete;

  // Types bytes as the keyboard would, reading the child's output while it
  // does not take them. Bytes it never takes within `ms` fail the test.
  void yaz(const std::string& bayt, int ms = 5000);

  // Feeds `girdi`, ends the input and reads the output until it ends; a child
  // still running after `saniye` seconds is killed. Pipes only.
  Sonuc tamamla(const std::string& girdi, int saniye);

  // Waits at most `ms` for output and adds what comes to cikti().
  void oku(int ms);

  // Everything the child has written so far.
  const std::string& cikti() const { return cikti_; }

  // Waits for the child to end: the exit status, 128 + signal, or -1 when it
  // is still running after `ms`.
  int bitis(int ms);

  pid_t pid() const { return pid_; }

  // The terminal's current mode, and its mode before the child started.
  struct termios kip() const;
  const struct termios& ilk_kip() const { return ilk_; }

  // Sets the terminal's mode, as a shell does when it takes the terminal
  // back from a stopped job.
  void kip_koy(const struct termios& kip);

 private:
  bool bitti_mi(int secenek);

  int girdi_ = -1;  // the child's input: a pipe's end, or the terminal's master side
  int cikis_ = -1;  // its output: a pipe's end, or the same master side
  int uc_ = -1;     // the terminal's child side, kept open to read its mode
  pid_t pid_ = -1;
  bool bitti_ = false;
  int durum_ = 0;
  std::string cikti_;
  struct termios ilk_ = {};
};

// True when the sessions run the Windows program under Wine instead of the
// POSIX one: PALVO_WINE names Wine's loader and PALVO_WINE_EXE the program.
bool wine_altinda();

// Replaces the child with the built program (under Wine when wine_altinda()).
[[noreturn]] void programi_calistir();

// Replaces the child with the POSIX build of the program, under Wine too: a
// desk of the other platform on the same folder.
[[noreturn]] void posix_programi_calistir();
