// The Windows console layer without a console: standard input taken byte for
// byte from a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <string>

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

}  // namespace
