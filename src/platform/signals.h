// What the program does about signals, in one place: termination signals
// (Ctrl+C, Ctrl+\, SIGTERM, SIGHUP) put the terminal back and then end the
// program as they would have, without a core file; a closed output or the
// file size limit never kills it (the failed write is noticed instead); a
// record write is never cut in half by a termination signal; and Ctrl+Z never
// stops the program while it holds a lock between desks.
#pragma once

#if defined(_WIN32)
// The Windows console delivers Ctrl+C, Ctrl+Break and its closing to a
// handler thread; a record write holds a lock that the handler waits for.
using SinyalMaskesi = int;
#else
#include <signal.h>
using SinyalMaskesi = sigset_t;
#endif

// Installs the policy once at start. `son_is` runs, inside the signal
// handler, before a termination signal ends the program; it must be
// async-signal-safe.
void sinyalleri_kur(void (*son_is)());

// Job control at a terminal (Ctrl+Z, then fg): `durmadan_once` runs before
// the program stops, and `surunce` once it goes on, also after a stop it did
// not see coming. Both run inside signal handlers and must be
// async-signal-safe. Where a stop would leave nobody to continue the program,
// the system drops it and `surunce` follows at once. (The Windows console has
// no job control.)
void durdurmayi_kur(void (*durmadan_once)(), void (*surunce)());

// Ctrl+Z waits while this process holds a lock on any file: a desk stopped
// with a lock would keep every other desk waiting for it. The lock layer
// calls durdurmayi_ertele() before the try that may take its first lock, and
// durdurmaya_izin_ver() once its last lock is gone or that try failed; a
// Ctrl+Z that came in between stops the program right then. Calls pair up and
// do not nest. (The Windows console has no job control: both do nothing.)
void durdurmayi_ertele();
void durdurmaya_izin_ver();

// While one of these lives, SIGINT, SIGQUIT, SIGTERM and SIGHUP wait (on
// Windows, Ctrl+C, Ctrl+Break and the closing of the console), so that a
// record write is never cut in half by them. Guards nest: the signals wait until the
// outermost one is gone.
class YazmaKorumasi {
 public:
  YazmaKorumasi();
  ~YazmaKorumasi();
  YazmaKorumasi(const YazmaKorumasi&) = delete;
  YazmaKorumasi& operator=(const YazmaKorumasi&) = delete;

 private:
  SinyalMaskesi eski_;
};
