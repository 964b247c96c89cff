#include "platform/console-win32.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/console.h"

namespace {

bool terminal = false;
bool cikis_konsol = false;

// A key event that reported one key several times over (a key held down):
// the presses not yet handed out.
int tekrar_tus = 0;
int tekrar_kalan = 0;

// A console, not merely a character device such as NUL.
bool konsol_mu(int fd) {
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  DWORD kip;
  return h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &kip);
}

// The record files hold code page 857, what a Turkish console delivers; the
// console speaks it while the program runs, whatever this machine's default.
constexpr UINT TURKCE_KOD_SAYFASI = 857;
// The console's code pages as found at start; 0 when there is no console.
UINT ilk_giris_sayfasi = 0;
UINT ilk_cikis_sayfasi = 0;

void kod_sayfalarini_geri_al() {
  if (ilk_giris_sayfasi != 0) SetConsoleCP(ilk_giris_sayfasi);
  if (ilk_cikis_sayfasi != 0) SetConsoleOutputCP(ilk_cikis_sayfasi);
}

// Ctrl+C, Ctrl+Break or a closed console window: the code pages go back, and
// the next handler (in the end the system's own) ends the program.
BOOL WINAPI kesildi(DWORD) {
  kod_sayfalarini_geri_al();
  return FALSE;
}

}  // namespace

int tus_cevir(const KEY_EVENT_RECORD& olay) {
  if (!olay.bKeyDown) return TUS_YOK;
  if (olay.uChar.AsciiChar != 0) return static_cast<unsigned char>(olay.uChar.AsciiChar);
  WORD vk = olay.wVirtualKeyCode;
  // Page Up to Down arrow, Select to Help (Insert, Delete among them), and
  // F1 to F24: the keys a terminal would send as an escape sequence.
  if ((vk >= VK_PRIOR && vk <= VK_HELP) || (vk >= VK_F1 && vk <= VK_F24)) return 27;
  return TUS_YOK;
}

void konsol_baslat() {
  terminal = konsol_mu(_fileno(stdin));
  cikis_konsol = konsol_mu(_fileno(stdout));
  // Input from a pipe or a file is taken byte for byte, as on POSIX: in text
  // mode byte 26 would end it and CR LF would collapse. The line reader drops
  // a CR before LF itself.
  if (!terminal) _setmode(_fileno(stdin), _O_BINARY);
  ilk_giris_sayfasi = GetConsoleCP();
  ilk_cikis_sayfasi = GetConsoleOutputCP();
  if (ilk_giris_sayfasi != 0) SetConsoleCP(TURKCE_KOD_SAYFASI);
  if (ilk_cikis_sayfasi != 0) SetConsoleOutputCP(TURKCE_KOD_SAYFASI);
  SetConsoleCtrlHandler(kesildi, TRUE);
  std::atexit(konsol_birak);
}

void konsol_birak() {
  kod_sayfalarini_geri_al();
}

void konsol_temizle() {
  std::fflush(stdout);
  if (cikis_konsol) {
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
  return terminal;
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
  HANDLE giris = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdin)));
  for (;;) {
    INPUT_RECORD olay;
    DWORD n = 0;
    if (!ReadConsoleInputA(giris, &olay, 1, &n)) return -1;
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
