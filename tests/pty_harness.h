// Drives the built program on a pseudo-terminal, for what only a real
// terminal shows: echo, single-key reads and the terminal's mode. It waits
// for what a person would see, with a timeout, instead of sleeping.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>

class PtyOturumu {
 public:
  // Starts the program in `dizin` on a new pseudo-terminal, whose mode is
  // the system's default without UTF-8 line editing (IUTF8), so that what
  // the program sets is seen.
  explicit PtyOturumu(const std::string& dizin);
  ~PtyOturumu();
  PtyOturumu(const PtyOturumu&) = delete;
  PtyOturumu& operator=(const PtyOturumu&) = delete;

  // Types bytes as the keyboard would.
  void gonder(const std::string& bayt);

  // Waits until the output since the last successful wait contains `metin`.
  // False after `ms` milliseconds without it.
  bool bekle(const std::string& metin, int ms = 5000);

  // Everything the terminal has shown so far.
  const std::string& cikti() const { return cikti_; }

  // Output after the point the last successful wait matched.
  std::string yeni_cikti() const { return cikti_.substr(isaret_); }

  // Waits for the program to end; the exit status, 128 + signal, or -1 on
  // timeout.
  int bitis(int ms = 5000);

  // The terminal's current mode, as the program left it or has set it.
  struct termios kip() const;

  // The terminal's mode before the program started.
  const struct termios& ilk_kip() const { return ilk_; }

  pid_t pid() const { return pid_; }

 private:
  void oku(int ms);

  int ana_ = -1;
  int uc_ = -1;
  pid_t pid_ = -1;
  bool bitti_ = false;
  int durum_ = 0;
  std::string cikti_;
  std::size_t isaret_ = 0;
  struct termios ilk_ = {};
};
