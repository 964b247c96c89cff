#include <io.h>
#include <windows.h>

#include "platform/file_lock.h"

namespace {

HANDLE tutamak(FILE* f) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
}

OVERLAPPED kilit_yeri(int64_t bayt) {
  OVERLAPPED o = {};
  o.Offset = static_cast<DWORD>(static_cast<uint64_t>(bayt) & 0xFFFFFFFFu);
  o.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(bayt) >> 32);
  return o;
}

}  // namespace

// Locks of a handle: a second handle of the same process waits like any
// other desk, so the store never takes a reading lock through another
// stream of a file it holds the writing lock of.
KilitDenemesi kilit_dene(FILE* f, int64_t bayt, KilitTuru tur) {
  HANDLE h = tutamak(f);
  if (h == INVALID_HANDLE_VALUE) return KilitDenemesi::hata;
  OVERLAPPED o = kilit_yeri(bayt);
  DWORD bayrak = LOCKFILE_FAIL_IMMEDIATELY;
  if (tur == KilitTuru::yazma) bayrak |= LOCKFILE_EXCLUSIVE_LOCK;
  if (LockFileEx(h, bayrak, 0, 1, 0, &o)) return KilitDenemesi::alindi;
  // A lock that another handle holds is the only refusal that passes.
  return GetLastError() == ERROR_LOCK_VIOLATION ? KilitDenemesi::dolu : KilitDenemesi::hata;
}

void kilit_birak(FILE* f, int64_t bayt) {
  HANDLE h = tutamak(f);
  if (h == INVALID_HANDLE_VALUE) return;
  OVERLAPPED o = kilit_yeri(bayt);
  UnlockFileEx(h, 0, 1, 0, &o);
}

void kilit_arasi_bekle(int ms) {
  Sleep(static_cast<DWORD>(ms));
}
