#include "platform/console-win32.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/console.h"
#include "platform/keys.h"
#include "platform/signals.h"

namespace {

// The record files hold code page 857, what a Turkish console delivers; the
// console speaks it while the program runs, whatever this machine's default.
constexpr UINT TURKCE_KOD_SAYFASI = 857;

// The console as found at start, put back at exit, on Ctrl+C and when the
// console is closed.
struct KonsolDurumu {
  HANDLE giris = INVALID_HANDLE_VALUE;
  DWORD giris_kipi = 0;
  bool giris_konsol = false;
  HANDLE cikis = INVALID_HANDLE_VALUE;
  DWORD cikis_kipi = 0;
  bool cikis_konsol = false;
  UINT kod_sayfasi = 0;  // 0 when there is no console
  UINT cikis_kod_sayfasi = 0;
};

KonsolDurumu ilk;

// A key event that reported one key several times over (a key held down):
// the presses not yet handed out.
int tekrar_tus = 0;
int tekrar_kalan = 0;

// A console, not merely a character device such as NUL.
bool konsol_mu(HANDLE h, DWORD* kip) {
  return h != INVALID_HANDLE_VALUE && GetConsoleMode(h, kip);
}

}  // namespace

int tus_cevir(const KEY_EVENT_RECORD& olay) {
  if (!olay.bKeyDown) return TUS_YOK;
  if (olay.uChar.AsciiChar != 0) return static_cast<unsigned char>(olay.uChar.AsciiChar);
  WORD vk = olay.wVirtualKeyCode;
  // Page Up to Down arrow, Select to Help (Insert, Delete among them), and
  // F1 to F24: the keys a terminal would send as an escape sequence.
  if ((vk >= VK_PRIOR && vk <= VK_HELP) || (vk >= VK_F1 && vk <= VK_F24)) return TUS_KACIS;
  return TUS_YOK;
}

void konsol_baslat() {
  ilk.giris = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdin)));
  ilk.giris_konsol = konsol_mu(ilk.giris, &ilk.giris_kipi);
  ilk.cikis = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
  ilk.cikis_konsol = konsol_mu(ilk.cikis, &ilk.cikis_kipi);
  // Input from a pipe or a file is taken byte for byte, as on POSIX: in text
  // mode byte 26 would end it and CR LF would collapse. The line reader drops
  // a CR before LF itself.
  if (!ilk.giris_konsol) _setmode(_fileno(stdin), _O_BINARY);
  ilk.kod_sayfasi = GetConsoleCP();
  ilk.cikis_kod_sayfasi = GetConsoleOutputCP();
  if (ilk.kod_sayfasi != 0) SetConsoleCP(TURKCE_KOD_SAYFASI);
  if (ilk.cikis_kod_sayfasi != 0) SetConsoleOutputCP(TURKCE_KOD_SAYFASI);
  // Ctrl+C, Ctrl+Break or a closed console: a record write in progress
  // finishes, the console is put back, and the program ends.
  sinyalleri_kur(konsol_birak);
  std::atexit(konsol_birak);
}

void konsol_birak() {
  if (ilk.giris_konsol) SetConsoleMode(ilk.giris, ilk.giris_kipi);
  if (ilk.cikis_konsol) SetConsoleMode(ilk.cikis, ilk.cikis_kipi);
  if (ilk.kod_sayfasi != 0) SetConsoleCP(ilk.kod_sayfasi);
  if (ilk.cikis_kod_sayfasi != 0) SetConsoleOutputCP(ilk.cikis_kod_sayfasi);
}

void konsol_temizle() {
  std::fflush(stdout);
  if (ilk.cikis_konsol) {
    std::system("cls");
  } else {
    std::fputc('\f', stdout);
  }
}

// Through the C library's text mode, so that every line end reaches a pipe
// or a file as CR LF.
bool konsol_yaz(const char* veri, std::size_t boy) {
  bool tamam = std::fwrite(veri, 1, boy, stdout) == boy;
  return std::fflush(stdout) == 0 && tamam;
}

bool konsol_terminal() {
  return ilk.giris_konsol;
}

std::size_t konsol_oku(unsigned char* tampon, std::size_t n) {
  int r = _read(_fileno(stdin), tampon, static_cast<unsigned>(n > 4096 ? 4096 : n));
  return r > 0 ? static_cast<std::size_t>(r) : 0;
}

// Keys wait in the console's input queue between reads and are never echoed
// there, so there is no mode to keep.
TusKipi::TusKipi() {}
TusKipi::~TusKipi() {}

int konsol_tus() {
  if (tekrar_kalan > 0) {
    --tekrar_kalan;
    return tekrar_tus;
  }
  for (;;) {
    INPUT_RECORD olay;
    DWORD n = 0;
    if (!ReadConsoleInputA(ilk.giris, &olay, 1, &n)) return -1;
    // Mouse, focus, menu and window-size events are no key presses.
    if (n != 1 || olay.EventType != KEY_EVENT) continue;
    int tus = tus_cevir(olay.Event.KeyEvent);
    if (tus == TUS_YOK) continue;
    WORD kez = olay.Event.KeyEvent.wRepeatCount;
    if (kez > 1) {
      tekrar_tus = tus;
      tekrar_kalan = kez - 1;
    }
    return tus;
  }
}
