#include <windows.h>

#include "platform/signals.h"

namespace {

// Held by the main thread for the length of every record write, and taken
// for good by the control handler before it ends the program.
SRWLOCK yazma_kilidi = SRWLOCK_INIT;

// How many guards the main thread holds: guards nest (the discharge holds one
// across its two writes, each of which has its own), and an SRW lock must not
// be taken twice by one thread.
int derinlik = 0;

void (*volatile son_isi)() = nullptr;

// Windows runs this on a thread of its own when Ctrl+C or Ctrl+Break is
// pressed or the console is closed. A record write in progress finishes
// first and no later one starts; then the last work, and the program ends as
// Ctrl+C ends any console program.
BOOL WINAPI kesildi(DWORD olay) {
  switch (olay) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      break;
    default:
      return FALSE;
  }
  AcquireSRWLockExclusive(&yazma_kilidi);
  if (son_isi != nullptr) son_isi();
  // Not ExitProcess: the main thread may hold the output stream's lock, and
  // nothing buffered there is worth waiting for.
  TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  return TRUE;
}

}  // namespace

void sinyalleri_kur(void (*son_is)()) {
  son_isi = son_is;
  SetConsoleCtrlHandler(kesildi, TRUE);
}

void durdurmayi_kur(void (*)(), void (*)()) {}

void durdurmayi_ertele() {}

void durdurmaya_izin_ver() {}

YazmaKorumasi::YazmaKorumasi() : eski_(0) {
  if (derinlik++ == 0) AcquireSRWLockExclusive(&yazma_kilidi);
}

YazmaKorumasi::~YazmaKorumasi() {
  if (--derinlik == 0) ReleaseSRWLockExclusive(&yazma_kilidi);
}
