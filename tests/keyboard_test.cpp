// Keyboard input as scripted bytes: lines, the discard of the prompt rule,
// single keys taken after the current line, the menu's integer and the
// decimal amount. Each case runs in a child process with the bytes on its
// standard input; the end of the input ends the session there with status 0.
#include "input/keyboard.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "process.h"

namespace {

// Runs `senaryo` in a process of its own with `girdi` on standard input and
// answers what it printed, followed by "|exit N" with the exit status: 0
// when the end of input ended it, 3 when the scenario ran to its end.
std::string dene(const std::string& girdi, const std::function<void()>& senaryo) {
  Surec surec({}, [&] {
    try {
      senaryo();
    } catch (const GirdiBitti&) {
      // The end of the input ends the session as the program's entry does.
      std::fflush(stdout);
      _exit(0);
    }
    std::fflush(stdout);
    _exit(3);
  });
  Sonuc s = surec.tamamla(girdi, 30);
  EXPECT_FALSE(s.zaman_asimi);
  return s.cikti + "|exit " + std::to_string(s.durum);
}

// Reads lines into a buffer of `boyut` bytes until the input ends.
std::function<void()> satirlar(std::size_t boyut) {
  return [boyut] {
    char tampon[2048];
    for (;;) {
      klavye_at();
      int n = satir_oku(tampon, boyut);
      std::printf("[%d:%s]", n, tampon);
    }
  };
}

struct SatirDurumu {
  const char* ad;
  std::string girdi;
  std::size_t boyut;
  std::string beklenen;
};
void PrintTo(const SatirDurumu& d, std::ostream* os) {
  *os << d.ad;
}

class Line : public ::testing::TestWithParam<SatirDurumu> {};
TEST_P(Line, Reads) {
  EXPECT_EQ(dene(GetParam().girdi, satirlar(GetParam().boyut)), GetParam().beklenen);
}
INSTANTIATE_TEST_SUITE_P(
    Case, Line,
    ::testing::Values(
        SatirDurumu{"Plain", "abc\nde f\n", 20, "[3:abc][4:de f]|exit 0"},
        SatirDurumu{"Empty", "\n\n", 20, "[0:][0:]|exit 0"},
        SatirDurumu{"CrLf", "abc\r\n", 20, "[3:abc]|exit 0"},
        SatirDurumu{"LastLineWithoutEnd", "abc\nxy", 20, "[3:abc][2:xy]|exit 0"},
        SatirDurumu{"ExactlyFits", "1234567890123456789\n", 20, "[19:1234567890123456789]|exit 0"},
        SatirDurumu{"OneTooLong", "12345678901234567890\nok\n", 20, "[-1:][2:ok]|exit 0"},
        SatirDurumu{"FarTooLong", std::string(5000, 'a') + "\nok\n", 20, "[-1:][2:ok]|exit 0"},
        SatirDurumu{"LongerThanTheLineBuffer", std::string(3000, 'b') + "\nok\n", 2048,
                    "[-1:][2:ok]|exit 0"},
        SatirDurumu{"EscapeSequenceRefused", "\x1b[31mred\nok\n", 20, "[-2:][2:ok]|exit 0"},
        SatirDurumu{"NulRefused", std::string("a\0b\nok\n", 7), 20, "[-2:][2:ok]|exit 0"},
        SatirDurumu{"DeleteRefused", "a\x7f\nok\n", 20, "[-2:][2:ok]|exit 0"},
        SatirDurumu{"LoneCrInsideRefused", "a\rb\nok\n", 20, "[-2:][2:ok]|exit 0"},
        SatirDurumu{"ControlByteInALongLine", std::string(30, 'a') + "\x01\nok\n", 20,
                    "[-2:][2:ok]|exit 0"},
        SatirDurumu{"TabAllowed", "a\tb\n", 20, "[3:a\tb]|exit 0"},
        SatirDurumu{"HighBytesKept", "\xc7\xfe\n", 20, "[2:\xc7\xfe]|exit 0"},
        SatirDurumu{"NothingAtAll", "", 20, "|exit 0"}),
    [](const auto& i) { return std::string(i.param.ad); });

TEST(Keyboard, DiscardRestOfLine) {
  auto senaryo = [] {
    char t[50];
    std::printf("<%d>", tamsayi_oku());
    klavye_at();
    satir_oku(t, sizeof t);
    std::printf("[%s]", t);
    klavye_at();  // nothing pending: the next line must survive
    satir_oku(t, sizeof t);
    std::printf("[%s]", t);
  };
  EXPECT_EQ(dene("1 rest of line\nnext\nthird\n", senaryo), "<1>[next][third]|exit 3");
}

TEST(Keyboard, KeyAfterLine) {
  auto senaryo = [] {
    std::printf("<%d>", tamsayi_oku());
    std::printf("{%d}", tus_oku());
    std::printf("<%d>", tamsayi_oku());
    std::printf("{%d}", tus_oku());
    std::printf("{%d}", tus_oku());
    std::printf("{%d}", tus_oku());
    std::printf("<%d>", tamsayi_oku());
  };
  // 4 and 13 share a line; the keys are x, then Enter (10 -> 13),
  // Backspace (127 -> 8) and a plain 8.
  EXPECT_EQ(dene("4 13\nx\n\x7f\b7\n", senaryo), "<4>{120}<13>{13}{8}{8}<7>|exit 3");
}

TEST(Keyboard, EndAtKey) {
  EXPECT_EQ(dene("", [] { std::printf("{%d}", tus_oku()); }), "|exit 0");
  EXPECT_EQ(dene("5\n",
                 [] {
                   std::printf("<%d>", tamsayi_oku());
                   std::printf("{%d}", tus_oku());
                 }),
            "<5>|exit 0");
}

struct SayiDurumu {
  std::string girdi;
  std::string beklenen;
};
void PrintTo(const SayiDurumu& d, std::ostream* os) {
  if (d.girdi.size() <= 60) {
    *os << d.girdi;
  } else {
    *os << d.girdi.substr(0, 30) << "... (" << d.girdi.size() << " bytes)";
  }
}

class MenuNumber : public ::testing::TestWithParam<SayiDurumu> {};
TEST_P(MenuNumber, Reads) {
  auto senaryo = [] {
    for (;;) std::printf("<%d>", tamsayi_oku());
  };
  EXPECT_EQ(dene(GetParam().girdi, senaryo), GetParam().beklenen);
}
INSTANTIATE_TEST_SUITE_P(
    Case, MenuNumber,
    ::testing::Values(SayiDurumu{"14\n", "<14>|exit 0"}, SayiDurumu{"  \n\n  7\n", "<7>|exit 0"},
                      SayiDurumu{"+3 -2\n", "<3><-2>|exit 0"},
                      SayiDurumu{"abc 5\n6\n", "<0><6>|exit 0"},
                      SayiDurumu{"12abc\n", "<12><0>|exit 0"},
                      SayiDurumu{"-\n9\n", "<0><9>|exit 0"},
                      SayiDurumu{"2147483647 2147483648\n", "<2147483647><2147483647>|exit 0"},
                      SayiDurumu{"-2147483648 -99999999999\n", "<-2147483648><-2147483648>|exit 0"},
                      SayiDurumu{"4294967297\n", "<2147483647>|exit 0"},
                      SayiDurumu{"00000000000000000000001\n", "<1>|exit 0"},
                      // Longer than the line buffer: still one number, and
                      // the rest of that line is no choice, wherever its parts end.
                      SayiDurumu{std::string(3000, '0') + "7 12\n", "<7>|exit 0"},
                      SayiDurumu{"13" + std::string(1021, ' ') + "13\n9\n", "<13><9>|exit 0"}));

class Amount : public ::testing::TestWithParam<SayiDurumu> {};
TEST_P(Amount, Reads) {
  auto senaryo = [] {
    for (;;) {
      klavye_at();
      double v = 0;
      if (ondalik_oku(&v)) {
        std::printf("<%.17g>", v);
      } else {
        std::printf("<no>");
      }
    }
  };
  EXPECT_EQ(dene(GetParam().girdi, senaryo), GetParam().beklenen);
}
INSTANTIATE_TEST_SUITE_P(
    Case, Amount,
    ::testing::Values(
        SayiDurumu{"12.5\n", "<12.5>|exit 0"}, SayiDurumu{"12,50\n", "<12>|exit 0"},
        SayiDurumu{"-150\n", "<-150>|exit 0"}, SayiDurumu{"+7\n", "<7>|exit 0"},
        SayiDurumu{"\n\n   42\n", "<42>|exit 0"}, SayiDurumu{"abc\n5\n", "<no><5>|exit 0"},
        SayiDurumu{"5 abc\n6\n", "<5><6>|exit 0"}, SayiDurumu{".5\n", "<0.5>|exit 0"},
        SayiDurumu{"5.\n", "<5>|exit 0"}, SayiDurumu{"-.25\n", "<-0.25>|exit 0"},
        SayiDurumu{"1e3\n", "<1000>|exit 0"}, SayiDurumu{"2E-1\n", "<0.20000000000000001>|exit 0"},
        SayiDurumu{"1e\n", "<1>|exit 0"}, SayiDurumu{"1e+\n", "<1>|exit 0"},
        SayiDurumu{"0x10\n", "<0>|exit 0"}, SayiDurumu{"inf\n", "<no>|exit 0"},
        SayiDurumu{"nan\n", "<no>|exit 0"}, SayiDurumu{"infinity\n", "<no>|exit 0"},
        SayiDurumu{"1e999\n", "<no>|exit 0"}, SayiDurumu{"-1e400\n", "<no>|exit 0"},
        SayiDurumu{"-\n", "<no>|exit 0"}, SayiDurumu{"+.\n", "<no>|exit 0"},
        SayiDurumu{"0\n", "<0>|exit 0"}, SayiDurumu{std::string(600, '9') + "\n", "<no>|exit 0"},
        // Numbers of any length: leading zeros, a line longer than the line
        // buffer, digits far behind the point, and a tiny value that the
        // exponent brings back.
        SayiDurumu{std::string(600, '0') + "5\n", "<5>|exit 0"},
        SayiDurumu{"-" + std::string(3000, '0') + "5.25 TL\n6\n", "<-5.25><6>|exit 0"},
        SayiDurumu{"0." + std::string(700, '0') + "1e705\n", "<10000>|exit 0"},
        SayiDurumu{"0." + std::string(400, '0') + "1\n", "<0>|exit 0"},
        SayiDurumu{"1" + std::string(400, '0') + "e-400\n", "<1>|exit 0"},
        SayiDurumu{"1" + std::string(100001, '0') + "e-100001\n", "<1>|exit 0"},
        SayiDurumu{"0." + std::string(100001, '0') + "1e100002\n", "<1>|exit 0"},
        // Exactly halfway between 1 and the next double rounds to even; any
        // digit above zero far behind it rounds up.
        SayiDurumu{"1.00000000000000011102230246251565404236316680908203125" +
                       std::string(900, '0') + "\n",
                   "<1>|exit 0"},
        SayiDurumu{"1.00000000000000011102230246251565404236316680908203125" +
                       std::string(900, '0') + "1\n",
                   "<1.0000000000000002>|exit 0"}));

}  // namespace
