// The Windows console itself, on the console Wine gives a program started on
// a pseudo-terminal: the single-key read takes key events from the console.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/console.h"

namespace {

HANDLE konsol_girisi() {
  return GetStdHandle(STD_INPUT_HANDLE);
}

INPUT_RECORD tus_olayi(bool basili, WORD vk, unsigned char harf, WORD kez = 1) {
  INPUT_RECORD r = {};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent.bKeyDown = basili;
  r.Event.KeyEvent.wRepeatCount = kez;
  r.Event.KeyEvent.wVirtualKeyCode = vk;
  r.Event.KeyEvent.uChar.AsciiChar = static_cast<CHAR>(harf);
  return r;
}

TEST(KonsolWin32, TheSingleKeyReadTakesKeyEventsFromTheConsole) {
  konsol_baslat();
  ASSERT_TRUE(konsol_terminal()) << "this test needs a console";
  std::vector<INPUT_RECORD> olaylar;
  INPUT_RECORD odak = {};
  odak.EventType = FOCUS_EVENT;
  olaylar.push_back(odak);
  olaylar.push_back(tus_olayi(true, VK_SHIFT, 0));
  olaylar.push_back(tus_olayi(true, VK_OEM_7, 0xE0));  // a letter of code page 857
  olaylar.push_back(tus_olayi(false, VK_OEM_7, 0xE0));
  olaylar.push_back(tus_olayi(false, VK_SHIFT, 0));
  olaylar.push_back(tus_olayi(true, 'X', 'x'));
  olaylar.push_back(tus_olayi(true, VK_UP, 0));
  olaylar.push_back(tus_olayi(false, VK_UP, 0));
  olaylar.push_back(tus_olayi(true, 'Y', 'y'));
  INPUT_RECORD fare = {};
  fare.EventType = MOUSE_EVENT;
  olaylar.push_back(fare);
  olaylar.push_back(tus_olayi(true, VK_F5, 0));
  olaylar.push_back(tus_olayi(true, VK_RETURN, '\r'));
  olaylar.push_back(tus_olayi(true, VK_BACK, '\b'));
  olaylar.push_back(tus_olayi(true, 'Z', 'z', 3));  // held down: three presses
  olaylar.push_back(tus_olayi(true, 'Q', 'q'));
  // Keys beyond those read, so that a read taking too many events fails the
  // comparison below instead of waiting for a key forever.
  const std::size_t FAZLA = 4;
  for (std::size_t i = 0; i < FAZLA; ++i) olaylar.push_back(tus_olayi(true, '1', '!'));

  ASSERT_TRUE(FlushConsoleInputBuffer(konsol_girisi()));
  DWORD yazilan = 0;
  ASSERT_TRUE(WriteConsoleInputA(konsol_girisi(), olaylar.data(),
                                 static_cast<DWORD>(olaylar.size()), &yazilan));
  ASSERT_EQ(yazilan, olaylar.size());

  const std::vector<int> beklenen = {0xE0, 'x', 27, 'y', 27, 13, 8, 'z', 'z', 'z', 'q'};
  std::vector<int> okunan;
  for (std::size_t i = 0; i < beklenen.size(); ++i) okunan.push_back(konsol_tus());
  EXPECT_EQ(okunan, beklenen);
  DWORD kalan = 1;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(konsol_girisi(), &kalan));
  EXPECT_EQ(kalan, FAZLA) << "the keys read took exactly their own events";
  FlushConsoleInputBuffer(konsol_girisi());
  konsol_birak();
}

}  // namespace
