// Driving the console as a person does: key events written into the
// console's input, and the screen read back from the console's buffer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace konsol_kiti {

using Tuslar = std::vector<INPUT_RECORD>;

inline INPUT_RECORD tus_olayi(bool basili, WORD vk, wchar_t harf, WORD kez = 1, DWORD durum = 0) {
  INPUT_RECORD r = {};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent.bKeyDown = basili;
  r.Event.KeyEvent.wRepeatCount = kez;
  r.Event.KeyEvent.wVirtualKeyCode = vk;
  r.Event.KeyEvent.uChar.UnicodeChar = harf;
  r.Event.KeyEvent.dwControlKeyState = durum;
  return r;
}

// Each character as a key pressed and released: '\r' is Enter, 0x1A Ctrl+Z.
inline Tuslar yazi(const std::wstring& metin) {
  Tuslar t;
  for (wchar_t c : metin) {
    WORD vk = c == L'\r' ? VK_RETURN : c == 0x1A ? 'Z' : 0;
    DWORD durum = c == 0x1A ? LEFT_CTRL_PRESSED : 0;
    t.push_back(tus_olayi(true, vk, c, 1, durum));
    t.push_back(tus_olayi(false, vk, c, 1, durum));
  }
  return t;
}

// Alt held while the character's number is typed on the numeric keypad:
// the character comes with the release of Alt.
inline Tuslar alt_ile(wchar_t harf, const char* rakamlar) {
  Tuslar t = {tus_olayi(true, VK_MENU, 0, 1, LEFT_ALT_PRESSED)};
  for (const char* r = rakamlar; *r != '\0'; ++r) {
    WORD vk = static_cast<WORD>(VK_NUMPAD0 + (*r - '0'));
    t.push_back(tus_olayi(true, vk, 0, 1, LEFT_ALT_PRESSED));
    t.push_back(tus_olayi(false, vk, 0, 1, LEFT_ALT_PRESSED));
  }
  t.push_back(tus_olayi(false, VK_MENU, harf));
  return t;
}

// Keys, or any other steps, one run after another.
template <class T>
std::vector<T> operator+(std::vector<T> a, const std::vector<T>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline bool bas(const Tuslar& t) {
  DWORD n = 0;
  return t.empty() || (WriteConsoleInputW(GetStdHandle(STD_INPUT_HANDLE), t.data(),
                                          static_cast<DWORD>(t.size()), &n) &&
                       n == t.size());
}

// The whole screen buffer: each row without its trailing blanks, rows joined
// by LF, without the blank rows at the end.
inline std::wstring ekran() {
  HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO b;
  if (!GetConsoleScreenBufferInfo(h, &b)) return L"";
  std::wstring hucre(static_cast<std::size_t>(b.dwSize.X) * b.dwSize.Y, L' ');
  DWORD n = 0;
  ReadConsoleOutputCharacterW(h, hucre.data(), static_cast<DWORD>(hucre.size()), {0, 0}, &n);
  std::wstring s;
  for (std::size_t bas = 0; bas < n; bas += b.dwSize.X) {
    std::wstring satir = hucre.substr(bas, b.dwSize.X);
    satir.erase(satir.find_last_not_of(L' ') + 1);
    s += satir + L'\n';
  }
  s.erase(s.find_last_not_of(L'\n') + 1);
  return s;
}

// Waits, looking at the screen every few milliseconds, until it ends with
// `son` (its trailing blanks aside: where the cursor waits after a prompt).
// False when `ms` went by first.
inline bool ekran_bekle(std::wstring son, DWORD ms = 10000) {
  son.erase(son.find_last_not_of(L' ') + 1);
  DWORD bas = GetTickCount();
  for (;;) {
    std::wstring e = ekran();
    if (e.size() >= son.size() && e.compare(e.size() - son.size(), son.size(), son) == 0) {
      return true;
    }
    if (GetTickCount() - bas > ms) return false;
    Sleep(2);
  }
}

}  // namespace konsol_kiti
