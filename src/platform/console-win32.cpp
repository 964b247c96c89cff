#include "platform/console-win32.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/console.h"
#include "platform/keys.h"
#include "platform/signals.h"

// The Windows console speaks Unicode, while the program and its files work in
// code page 857, one byte a letter. Keys and lines are read from the console
// as UTF-16 and written to it as UTF-16, translated with the program's own
// table, so nothing depends on the console's code pages or on the C
// library's text mode; pipes and files get bytes, with CR LF line ends on the
// way out as a Windows program writes them.

namespace {

// The code page the console is switched to while the program runs, for
// other programs sharing it; the program itself never relies on it.
constexpr UINT TURKCE_KOD_SAYFASI = 857;

// The piece of output translated at a time (at most twice as long once its
// line ends are CR LF).
constexpr std::size_t CEVIRI_PARCASI = 1 << 12;

// The most a read of a pipe or a file takes at a time.
constexpr DWORD BORU_PARCASI = 1 << 12;

// How long a line read that Ctrl+C has cut short waits for the control
// handler to end the program before it reads again (the Ctrl+C was then
// not for this program).
constexpr DWORD KESME_BEKLEME_MS = 1000;

// The modes the program reads and writes the console in: lines with the
// console's echo and editing, Ctrl+C to the control handler, and line ends
// and wrapping done by the console.
constexpr DWORD GIRIS_KIPI = ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT;
// Left on by another program (after a crash or a missed restore), it would
// turn an arrow key into ESC, "[" and "A": a key at a single-key question
// and bytes in front of the next line. Off while the program runs, so keys
// arrive as key events.
constexpr DWORD VT_GIRDISI = 0x0200;  // ENABLE_VIRTUAL_TERMINAL_INPUT
constexpr DWORD CIKIS_KIPI = ENABLE_PROCESSED_OUTPUT | ENABLE_WRAP_AT_EOL_OUTPUT;

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

// A console, not merely a character device such as NUL.
bool konsol_mu(HANDLE h, DWORD* kip) {
  return h != INVALID_HANDLE_VALUE && GetConsoleMode(h, kip);
}

HANDLE standart(FILE* akis) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(akis)));
}

// The code page 857 byte of one UTF-16 unit typed at the console. The first
// half of a character beyond the first plane gives nothing and its second
// half CP857_YOK, so that such a character is one refused character.
int karakter_bayti(wchar_t k) {
  if (k >= 0xD800 && k <= 0xDBFF) return TUS_YOK;
  int b = cp857_bayt(k);
  return b < 0 ? CP857_YOK : b;
}

// Writes the whole run through `yaz` (WriteFile or WriteConsoleW), which
// may take less than it is given.
template <class K, class F>
bool hepsini_yaz(const K* veri, DWORD boy, F&& yaz) {
  while (boy > 0) {
    DWORD n = 0;
    if (!yaz(ilk.cikis, veri, boy, &n, nullptr) || n == 0) return false;
    veri += n;
    boy -= n;
  }
  return true;
}

// Bytes into `hedef` with every LF as CR LF, as many as fit its
// 2 * CEVIRI_PARCASI places; answers how many bytes were taken.
template <class K, class F>
std::size_t satir_sonlariyla(const unsigned char* p, std::size_t boy, K* hedef, std::size_t* yer,
                             F&& cevir) {
  std::size_t i = 0;
  std::size_t n = 0;
  for (; i < boy && i < CEVIRI_PARCASI; ++i) {
    if (p[i] == '\n') hedef[n++] = K('\r');
    hedef[n++] = cevir(p[i]);
  }
  *yer = n;
  return i;
}

}  // namespace

int tus_cevir(const KEY_EVENT_RECORD& olay) {
  wchar_t k = olay.uChar.UnicodeChar;
  // Alt held while a character's number is typed on the keypad, or a pasted
  // character no key of the layout gives: it comes with Alt's release.
  if (!olay.bKeyDown)
    return olay.wVirtualKeyCode == VK_MENU && k != 0 ? karakter_bayti(k) : TUS_YOK;
  if (k != 0) return karakter_bayti(k);
  WORD vk = olay.wVirtualKeyCode;
  // Page Up to Down arrow, Select to Help (Insert, Delete among them), and
  // F1 to F24: the keys a terminal would send as an escape sequence.
  if ((vk >= VK_PRIOR && vk <= VK_HELP) || (vk >= VK_F1 && vk <= VK_F24)) return TUS_KACIS;
  return TUS_YOK;
}

void konsol_baslat() {
  ilk.giris = standart(stdin);
  ilk.giris_konsol = konsol_mu(ilk.giris, &ilk.giris_kipi);
  ilk.cikis = standart(stdout);
  ilk.cikis_konsol = konsol_mu(ilk.cikis, &ilk.cikis_kipi);
  // Input from a pipe or a file is taken byte for byte, as on POSIX; the
  // line reader drops a CR before LF itself.
  if (!ilk.giris_konsol) _setmode(_fileno(stdin), _O_BINARY);
  ilk.kod_sayfasi = GetConsoleCP();
  ilk.cikis_kod_sayfasi = GetConsoleOutputCP();
  if (ilk.kod_sayfasi != 0) SetConsoleCP(TURKCE_KOD_SAYFASI);
  if (ilk.cikis_kod_sayfasi != 0) SetConsoleOutputCP(TURKCE_KOD_SAYFASI);
  if (ilk.giris_konsol) SetConsoleMode(ilk.giris, (ilk.giris_kipi | GIRIS_KIPI) & ~VT_GIRDISI);
  if (ilk.cikis_konsol) SetConsoleMode(ilk.cikis, ilk.cikis_kipi | CIKIS_KIPI);
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

// As the command interpreter's "cls" does: the whole buffer scrolled up out
// of itself, with blanks in the current colours behind it, then the window
// at its top and the cursor home. On a classic console window that clears
// the whole buffer; a pseudo-console host (Windows Terminal), whose buffer is
// only the window, clears its own scroll-back for exactly this call.
void konsol_temizle() {
  if (!ilk.cikis_konsol) {
    konsol_yaz("\f", 1);
    return;
  }
  CONSOLE_SCREEN_BUFFER_INFO b;
  if (!GetConsoleScreenBufferInfo(ilk.cikis, &b)) return;
  SMALL_RECT hepsi = {0, 0, static_cast<SHORT>(b.dwSize.X - 1), static_cast<SHORT>(b.dwSize.Y - 1)};
  COORD hedef = {0, static_cast<SHORT>(-b.dwSize.Y)};
  CHAR_INFO bos;
  bos.Char.UnicodeChar = L' ';
  bos.Attributes = b.wAttributes;
  ScrollConsoleScreenBufferW(ilk.cikis, &hepsi, nullptr, hedef, &bos);
  // A host that does not carry out a scroll wholly out of the buffer (Wine's
  // console does not) is blanked cell by cell; elsewhere this finds the
  // buffer blank already.
  DWORD hucre = static_cast<DWORD>(b.dwSize.X) * static_cast<DWORD>(b.dwSize.Y);
  COORD bas = {0, 0};
  DWORD n = 0;
  FillConsoleOutputCharacterW(ilk.cikis, L' ', hucre, bas, &n);
  FillConsoleOutputAttribute(ilk.cikis, b.wAttributes, hucre, bas, &n);
  SMALL_RECT pencere = {0, 0, static_cast<SHORT>(b.srWindow.Right - b.srWindow.Left),
                        static_cast<SHORT>(b.srWindow.Bottom - b.srWindow.Top)};
  SetConsoleWindowInfo(ilk.cikis, TRUE, &pencere);
  SetConsoleCursorPosition(ilk.cikis, bas);
}

bool konsol_yaz(const char* veri, std::size_t boy) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(veri);
  while (boy > 0) {
    std::size_t yer = 0;
    std::size_t alinan;
    bool tamam;
    if (ilk.cikis_konsol) {
      static wchar_t genis[2 * CEVIRI_PARCASI];
      alinan = satir_sonlariyla(p, boy, genis, &yer,
                                [](unsigned char c) { return static_cast<wchar_t>(cp857_kod(c)); });
      tamam = hepsini_yaz(genis, static_cast<DWORD>(yer), WriteConsoleW);
    } else {
      static char bayt[2 * CEVIRI_PARCASI];
      alinan = satir_sonlariyla(p, boy, bayt, &yer,
                                [](unsigned char c) { return static_cast<char>(c); });
      tamam = hepsini_yaz(bayt, static_cast<DWORD>(yer), WriteFile);
    }
    if (!tamam) return false;
    p += alinan;
    boy -= alinan;
  }
  return true;
}

bool konsol_terminal() {
  return ilk.giris_konsol;
}

std::size_t konsoldan_oku(KonsolOkuma oku, DWORD bekle_ms, unsigned char* tampon, std::size_t n) {
  static wchar_t genis[BORU_PARCASI];
  DWORD en_cok = static_cast<DWORD>(n > BORU_PARCASI ? BORU_PARCASI : n);
  for (;;) {
    DWORD okunan = 0;
    BOOL tamam = oku(genis, en_cok, &okunan);
    if (tamam && okunan > 0) {
      std::size_t verilen = 0;
      for (DWORD i = 0; i < okunan; ++i) {
        int b = karakter_bayti(genis[i]);
        if (b >= 0) tampon[verilen++] = static_cast<unsigned char>(b);
      }
      if (verilen > 0) return verilen;
      continue;
    }
    // Only a failed read is the end of the input. A read that Ctrl+C cut
    // short comes back empty or aborted: the control handler is about to end
    // the program, after a record write in progress; should it not (the
    // Ctrl+C was not for this program), the line is read again.
    if (!tamam && GetLastError() != ERROR_OPERATION_ABORTED) return 0;
    Sleep(bekle_ms);
  }
}

std::size_t konsol_oku(unsigned char* tampon, std::size_t n) {
  if (ilk.giris_konsol) {
    return konsoldan_oku(
        [](wchar_t* t, DWORD en_cok, DWORD* okunan) {
          return ReadConsoleW(ilk.giris, t, en_cok, okunan, nullptr);
        },
        KESME_BEKLEME_MS, tampon, n);
  }
  DWORD en_cok = static_cast<DWORD>(n > BORU_PARCASI ? BORU_PARCASI : n);
  DWORD okunan = 0;
  return ReadFile(ilk.giris, tampon, en_cok, &okunan, nullptr) ? okunan : 0;
}

// Keys wait in the console's input queue between reads and are never echoed
// there, so there is no mode to keep.
TusKipi::TusKipi() {}
TusKipi::~TusKipi() {}

// One event is one key: the presses a held key's repeat count reports belong
// to this read and end with it, so that they never answer a later question.
int konsol_tus() {
  for (;;) {
    INPUT_RECORD olay;
    DWORD n = 0;
    if (!ReadConsoleInputW(ilk.giris, &olay, 1, &n)) return -1;
    // Mouse, focus, menu and window-size events are no key presses.
    if (n != 1 || olay.EventType != KEY_EVENT) continue;
    int tus = tus_cevir(olay.Event.KeyEvent);
    if (tus != TUS_YOK) return tus;
  }
}
