// The Windows console layer without a console: standard input taken byte for
// byte from a pipe, and the decoding of the console's key events.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <vector>

#include "konsol_kit.h"
#include "platform/console-win32.h"
#include "platform/console.h"

namespace {

TEST(KonsolWin32, PipedStandardInputPassesEveryByte) {
  // Standard input as Windows hands it to a program started with a pipe:
  // a text-mode descriptor 0. The bytes go in unchanged.
  int boru[2];
  ASSERT_EQ(_pipe(boru, 4096, _O_TEXT), 0);
  _setmode(boru[1], _O_BINARY);
  const std::string girdi = std::string("ab\x1a") + "cd\r\nef\r\n\x1a\x1a\n";
  ASSERT_EQ(_write(boru[1], girdi.data(), static_cast<unsigned>(girdi.size())),
            static_cast<int>(girdi.size()));
  _close(boru[1]);
  ASSERT_EQ(_dup2(boru[0], 0), 0);
  _close(boru[0]);

  konsol_baslat();
  EXPECT_FALSE(konsol_terminal());
  std::string okunan;
  unsigned char tampon[64];
  std::size_t n;
  while ((n = konsol_oku(tampon, sizeof tampon)) > 0) {
    okunan.append(reinterpret_cast<const char*>(tampon), n);
  }
  EXPECT_EQ(okunan, girdi);
}

KEY_EVENT_RECORD olay(bool basili, WORD vk, wchar_t harf, WORD kez = 1) {
  return konsol_kiti::tus_olayi(basili, vk, harf, kez).Event.KeyEvent;
}

TEST(KonsolWin32, KeyEventsBecomeKeys) {
  struct Durum {
    const char* ne;
    KEY_EVENT_RECORD olay;
    int tus;
  };
  const std::vector<Durum> durumlar = {
      {"letter", olay(true, 'A', 'a'), 'a'},
      {"0xE0, a letter of code page 857", olay(true, VK_OEM_7, L'Ó'), 0xE0},
      {"s cedilla", olay(true, VK_OEM_1, L'ş'), 0x9F},
      {"dotless i", olay(true, 'I', L'ı'), 0x8D},
      {"a character code page 857 lacks", olay(true, 'E', L'€'), 0x1A},
      {"a character beyond the first plane, first half", olay(true, 0, 0xD83D), TUS_YOK},
      {"a character beyond the first plane, second half", olay(true, 0, 0xDE00), 0x1A},
      {"held down: one key", olay(true, 'E', L'E', 3), 'E'},
      {"Alt released with the character of Alt and the keypad", olay(false, VK_MENU, L'ş'), 0x9F},
      {"Ctrl+Z", olay(true, 'Z', 0x1A), 26},
      {"dead key", olay(true, VK_OEM_1, 0), TUS_YOK},
      {"Enter", olay(true, VK_RETURN, '\r'), 13},
      {"Backspace", olay(true, VK_BACK, '\b'), 8},
      {"Escape", olay(true, VK_ESCAPE, 0x1b), 27},
      {"Ctrl+A", olay(true, 'A', 0x01), 1},
      {"AltGr+Q", olay(true, 'Q', '@'), '@'},
      {"up arrow", olay(true, VK_UP, 0), 27},
      {"left arrow", olay(true, VK_LEFT, 0), 27},
      {"Home", olay(true, VK_HOME, 0), 27},
      {"Page Up", olay(true, VK_PRIOR, 0), 27},
      {"Insert", olay(true, VK_INSERT, 0), 27},
      {"Delete", olay(true, VK_DELETE, 0), 27},
      {"F1", olay(true, VK_F1, 0), 27},
      {"F12", olay(true, VK_F12, 0), 27},
      {"letter released", olay(false, 'A', 'a'), TUS_YOK},
      {"arrow released", olay(false, VK_UP, 0), TUS_YOK},
      {"Shift", olay(true, VK_SHIFT, 0), TUS_YOK},
      {"Ctrl", olay(true, VK_CONTROL, 0), TUS_YOK},
      {"Alt", olay(true, VK_MENU, 0), TUS_YOK},
      {"Alt released alone", olay(false, VK_MENU, 0), TUS_YOK},
      {"keypad digit with Alt held", olay(true, VK_NUMPAD1, 0), TUS_YOK},
      {"Caps Lock", olay(true, VK_CAPITAL, 0), TUS_YOK},
      {"Windows key", olay(true, VK_LWIN, 0), TUS_YOK},
  };
  for (const Durum& d : durumlar) EXPECT_EQ(tus_cevir(d.olay), d.tus) << d.ne;
}

// What the console answers to one read, in turn.
struct Okuma {
  BOOL tamam;
  std::wstring metin;
  DWORD hata;
};
const Okuma* okumalar = nullptr;

BOOL okuma(wchar_t* tampon, DWORD n, DWORD* okunan) {
  const Okuma& o = *okumalar++;
  *okunan = static_cast<DWORD>(o.metin.copy(tampon, n));
  SetLastError(o.hata);
  return o.tamam;
}

TEST(KonsolWin32, ALineReadOfTheConsole) {
  struct Durum {
    const char* ne;
    std::vector<Okuma> okumalar;
    std::string bayt;  // what the line read gives; "" at the end of input
  };
  const Okuma satir = {TRUE, L"ab\r\n", 0};
  const std::vector<Durum> durumlar = {
      {"Turkish letters, one the code page lacks",
       {{TRUE, L"şİı€\r\n", 0}},
       "\x9F\x98\x8D\x1A\r\n"},
      {"Ctrl+Z is a byte of the line", {{TRUE, L"Iz\x1Amir\r\n", 0}}, "Iz\x1Amir\r\n"},
      {"aborted by Ctrl+C, then a line", {{FALSE, L"", ERROR_OPERATION_ABORTED}, satir}, "ab\r\n"},
      {"empty after Ctrl+C, then a line", {{TRUE, L"", 0}, satir}, "ab\r\n"},
      {"the console gone", {{FALSE, L"", ERROR_INVALID_HANDLE}}, ""},
  };
  for (const Durum& d : durumlar) {
    okumalar = d.okumalar.data();
    unsigned char tampon[64];
    std::size_t n = konsoldan_oku(okuma, 1, tampon, sizeof tampon);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(tampon), n), d.bayt) << d.ne;
    EXPECT_EQ(okumalar, d.okumalar.data() + d.okumalar.size()) << d.ne;
  }
}

}  // namespace
