#include "pty_harness.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace {

// The shell of a job: puts the program in a process group of its own in the
// foreground, tells its pid through `boru`, and waits for it to end as a
// shell would, through stops and continues, ending with its status.
[[noreturn]] void is_kabugu(int boru) {
  signal(SIGTTOU, SIG_IGN);
  pid_t is = fork();
  if (is == 0) {
    setpgid(0, 0);
    tcsetpgrp(STDIN_FILENO, getpid());
    signal(SIGTTOU, SIG_DFL);
    close(boru);
    programi_calistir();
  }
  setpgid(is, is);
  tcsetpgrp(STDIN_FILENO, is);
  if (write(boru, &is, sizeof is) != sizeof is) _exit(127);
  close(boru);
  int durum = 0;
  while (waitpid(is, &durum, WUNTRACED | WCONTINUED) == is || errno == EINTR) {
    if (WIFEXITED(durum)) _exit(WEXITSTATUS(durum));
    if (WIFSIGNALED(durum)) _exit(128 + WTERMSIG(durum));
  }
  _exit(127);
}

}  // namespace

PtyOturumu::Boru::Boru() {
  int b[2];
  if (pipe(b) != 0) throw std::runtime_error("pipe");
  oku = b[0];
  yaz = b[1];
}

PtyOturumu::PtyOturumu(const std::string& dizin, bool is_olarak)
    : surec_({Baglanti::terminal, dizin, -1}, [this, is_olarak] {
        close(boru_.oku);
        if (is_olarak) is_kabugu(boru_.yaz);
        close(boru_.yaz);
        programi_calistir();
      }) {
  close(boru_.yaz);
  program_ = surec_.pid();
  if (is_olarak && read(boru_.oku, &program_, sizeof program_) != sizeof program_) {
    close(boru_.oku);
    throw std::runtime_error("no job");
  }
  close(boru_.oku);
}

PtyOturumu::~PtyOturumu() {
  // The shell of a job is ended by the process runner; the job itself here.
  if (program_ != surec_.pid() && program_ > 0) kill(program_, SIGKILL);
}

bool PtyOturumu::bekle(const std::string& metin, int ms) {
  auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    std::size_t yer = cikti().find(metin, isaret_);
    if (yer != std::string::npos) {
      isaret_ = yer + metin.size();
      return true;
    }
    auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(
                     son - std::chrono::steady_clock::now())
                     .count();
    if (kalan <= 0) return false;
    surec_.oku(static_cast<int>(std::min<long long>(kalan, 50)));
  }
}
