// Drives the built program on a pseudo-terminal, for what only a real
// terminal shows: echo, single-key reads and the terminal's mode. It waits
// for what a person would see, with a timeout, instead of sleeping.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>

#include "process.h"

class PtyOturumu {
 public:
  // Starts the program in `dizin` on a new pseudo-terminal, whose mode is
  // the system's default without UTF-8 line editing (IUTF8), so that what
  // the program sets is seen.
  explicit PtyOturumu(const std::string& dizin)
      : surec_({Baglanti::terminal, dizin, -1}, programi_calistir) {}

  // Types bytes as the keyboard would.
  void gonder(const std::string& bayt) { surec_.yaz(bayt); }

  // Waits until the output since the last successful wait contains `metin`.
  // False after `ms` milliseconds without it.
  bool bekle(const std::string& metin, int ms = 5000);

  // Everything the terminal has shown so far.
  const std::string& cikti() const { return surec_.cikti(); }

  // Output after the point the last successful wait matched.
  std::string yeni_cikti() const { return cikti().substr(isaret_); }

  // Waits for the program to end; the exit status, 128 + signal, or -1 on
  // timeout.
  int bitis(int ms = 5000) { return surec_.bitis(ms); }

  // The terminal's current mode, as the program left it or has set it.
  struct termios kip() const {
    return surec_.kip();
  }

  // The terminal's mode before the program started.
  const struct termios& ilk_kip() const { return surec_.ilk_kip(); }

  pid_t pid() const { return surec_.pid(); }

 private:
  Surec surec_;
  std::size_t isaret_ = 0;
};
