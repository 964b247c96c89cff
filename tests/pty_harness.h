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
  // the program sets is seen. With `is_olarak` it runs as a job of a small
  // shell in the same session, so that Ctrl+Z stops it as at an interactive
  // shell (the shell itself leaves the terminal alone).
  explicit PtyOturumu(const std::string& dizin, bool is_olarak = false);
  ~PtyOturumu();
  PtyOturumu(const PtyOturumu&) = delete;
  PtyOturumu& operator=(const PtyOturumu&) = delete;

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

  // Sets the terminal's mode, as a shell does when it takes the terminal
  // back from a stopped job.
  void kip_koy(const struct termios& kip) { surec_.kip_koy(kip); }

  // The program's process.
  pid_t pid() const { return program_; }

 private:
  // The pipe through which the shell of a job tells the program's pid.
  struct Boru {
    Boru();
    int oku = -1;
    int yaz = -1;
  };

  Boru boru_;
  Surec surec_;
  pid_t program_ = -1;
  std::size_t isaret_ = 0;
};
