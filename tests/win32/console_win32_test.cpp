// The Windows console itself, on the console Wine gives a program started on
// a pseudo-terminal: the single-key read takes key events from the console,
// and Ctrl+C lets a record write finish and puts the console back.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gecici_dosya.h"
#include "konsol_kit.h"
#include "platform/console.h"
#include "platform/disk.h"
#include "platform/signals.h"

namespace {

constexpr std::size_t KAYIT = 376;

HANDLE konsol_girisi() {
  return GetStdHandle(STD_INPUT_HANDLE);
}

using konsol_kiti::tus_olayi;

TEST(KonsolWin32, TheSingleKeyReadTakesKeyEventsFromTheConsole) {
  konsol_baslat();
  ASSERT_TRUE(konsol_terminal()) << "this test needs a console";
  std::vector<INPUT_RECORD> olaylar;
  INPUT_RECORD odak = {};
  odak.EventType = FOCUS_EVENT;
  olaylar.push_back(odak);
  olaylar.push_back(tus_olayi(true, VK_SHIFT, 0));
  olaylar.push_back(tus_olayi(true, VK_OEM_7, L'Ó'));  // 0xE0 in code page 857
  olaylar.push_back(tus_olayi(false, VK_OEM_7, L'Ó'));
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
  olaylar.push_back(tus_olayi(true, 'Z', 'z', 3));  // held down: one read, one key
  olaylar.push_back(tus_olayi(true, 'Q', 'q'));
  olaylar.push_back(tus_olayi(true, VK_MENU, 0));  // Alt and the keypad: 0159
  olaylar.push_back(tus_olayi(true, VK_NUMPAD1, 0));
  olaylar.push_back(tus_olayi(false, VK_MENU, L'ş'));
  // Keys beyond those read, so that a read taking too many events fails the
  // comparison below instead of waiting for a key forever.
  const std::size_t FAZLA = 4;
  for (std::size_t i = 0; i < FAZLA; ++i) olaylar.push_back(tus_olayi(true, '1', '!'));

  ASSERT_TRUE(FlushConsoleInputBuffer(konsol_girisi()));
  DWORD yazilan = 0;
  ASSERT_TRUE(WriteConsoleInputW(konsol_girisi(), olaylar.data(),
                                 static_cast<DWORD>(olaylar.size()), &yazilan));
  ASSERT_EQ(yazilan, olaylar.size());

  const std::vector<int> beklenen = {0xE0, 'x', 27, 'y', 27, 13, 8, 'z', 'q', 0x9F};
  std::vector<int> okunan;
  for (std::size_t i = 0; i < beklenen.size(); ++i) okunan.push_back(konsol_tus());
  EXPECT_EQ(okunan, beklenen);
  DWORD kalan = 1;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(konsol_girisi(), &kalan));
  EXPECT_EQ(kalan, FAZLA) << "the keys read took exactly their own events";
  FlushConsoleInputBuffer(konsol_girisi());
  konsol_birak();
}

BOOL WINAPI yut(DWORD) {
  return TRUE;
}

// ---- Ctrl+C: a program of its own, started by the test ----

// What the console looks like: both modes and both code pages.
struct KonsolHali {
  DWORD giris = 0, cikis = 0;
  UINT kod_sayfasi = 0, cikis_kod_sayfasi = 0;
  bool operator==(const KonsolHali&) const = default;
};

KonsolHali konsol_hali() {
  KonsolHali h;
  GetConsoleMode(konsol_girisi(), &h.giris);
  GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &h.cikis);
  h.kod_sayfasi = GetConsoleCP();
  h.cikis_kod_sayfasi = GetConsoleOutputCP();
  return h;
}

// The child: sets up the console as the program does, changes the console
// as a session may, tells the test it is ready, and then either writes a
// record in two halves (with a pause between them, the moment the test
// presses Ctrl+C), or waits for a key or for a line. Whatever it does after that is marked
// by a file that must never appear.
int cocuk(const char* ne, const char* dosya, HANDLE hazir) {
  konsol_baslat();
  SetConsoleMode(konsol_girisi(), ENABLE_PROCESSED_INPUT);
  std::string sonra = std::string(dosya) + ".sonra";
  if (std::strcmp(ne, "yazarken") == 0) {
    FILE* f = disk_ac(dosya, AcmaKipi::ekle);
    if (f == nullptr) return 2;
    std::string kayit(KAYIT, 'k');
    {
      YazmaKorumasi koruma;
      std::fwrite(kayit.data(), 1, KAYIT / 2, f);
      SetEvent(hazir);
      Sleep(1000);
      std::fwrite(kayit.data() + KAYIT / 2, 1, KAYIT - KAYIT / 2, f);
      disk_esitle(f);
    }
    Sleep(3000);
  } else if (std::strcmp(ne, "tus") == 0) {
    SetEvent(hazir);
    konsol_tus();
  } else {
    SetEvent(hazir);
    unsigned char satir[64];
    konsol_oku(satir, sizeof satir);
  }
  FILE* m = std::fopen(sonra.c_str(), "w");
  if (m != nullptr) std::fclose(m);
  return 0;
}

struct CocukSonucu {
  DWORD cikis = 0;
  bool bitti = false;
};

// Starts the child on this console, presses Ctrl+C once it is ready, and
// waits for it to end.
CocukSonucu ctrl_c_ile(const char* ne, const std::string& dosya) {
  CocukSonucu s;
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
  HANDLE hazir = CreateEventA(&sa, TRUE, FALSE, nullptr);
  char kendi[MAX_PATH];
  GetModuleFileNameA(nullptr, kendi, MAX_PATH);
  char komut[2 * MAX_PATH + 64];
  std::snprintf(komut, sizeof komut, "\"%s\" --cocuk %s \"%s\" %llu", kendi, ne, dosya.c_str(),
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hazir)));
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, komut, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(hazir);
    return s;
  }
  if (WaitForSingleObject(hazir, 10000) == WAIT_OBJECT_0) {
    Sleep(100);
    GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
  }
  s.bitti = WaitForSingleObject(pi.hProcess, 15000) == WAIT_OBJECT_0;
  if (!s.bitti) TerminateProcess(pi.hProcess, 1);
  GetExitCodeProcess(pi.hProcess, &s.cikis);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  CloseHandle(hazir);
  return s;
}

TEST(KonsolWin32, CtrlCLetsARecordWriteFinishThenEndsAndRestoresTheConsole) {
  KonsolHali once = konsol_hali();
  ASSERT_NE(once.giris, 0u) << "this test needs a console";
  // Ctrl+C reaches every program on the console, this test too, and may
  // reach it late: the test's own handler stays for good.
  SetConsoleCtrlHandler(yut, TRUE);
  for (const char* ne : {"yazarken", "tus", "satir"}) {
    GeciciDosya dosya;
    const std::string sonra = std::string(dosya.ad()) + ".sonra";
    CocukSonucu s = ctrl_c_ile(ne, dosya.ad());
    EXPECT_TRUE(s.bitti) << ne;
    EXPECT_EQ(s.cikis, static_cast<DWORD>(STATUS_CONTROL_C_EXIT)) << ne;
    EXPECT_FALSE(dosya_var(sonra)) << ne << ": the program went on after Ctrl+C";
    if (std::strcmp(ne, "yazarken") == 0) {
      EXPECT_EQ(dosya.oku(), std::string(KAYIT, 'k')) << "the record is written whole";
    }
    EXPECT_TRUE(konsol_hali() == once) << ne << ": the console is put back as it was";
    DeleteFileA(sonra.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "--cocuk") == 0) {
    HANDLE hazir =
        reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::strtoull(argv[4], nullptr, 10)));
    return cocuk(argv[2], argv[3], hazir);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
