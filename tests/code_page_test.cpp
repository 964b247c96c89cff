// Code page 857 and UTF-8: every byte of the code page to UTF-8 and back,
// the Turkish letters at their known places, and what typed text that is not
// code page 857 or not UTF-8 turns into.
#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string utf8(const std::string& cp857) {
  unsigned char hedef[1024];
  Ceviri c = cp857den_utf8(reinterpret_cast<const unsigned char*>(cp857.data()), cp857.size(),
                           hedef, sizeof hedef);
  EXPECT_EQ(c.alinan, cp857.size());
  return std::string(reinterpret_cast<char*>(hedef), c.verilen);
}

// The translation of typed text, and the incomplete tail it leaves.
struct Girdi {
  std::string ceviri;
  std::string kalan;
};
Girdi cp857(const std::string& yazilan) {
  std::string t = yazilan;
  Ceviri c = utf8den_cp857(reinterpret_cast<unsigned char*>(t.data()), t.size());
  return {t.substr(0, c.verilen), t.substr(c.alinan)};
}

const std::string YOK(1, static_cast<char>(CP857_YOK));

TEST(CodePage, RoundTrip) {
  const std::set<int> bos = {0xD5, 0xE7, 0xF2};
  std::set<char32_t> kodlar;
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    std::string tek(1, static_cast<char>(b));
    std::string u = utf8(tek);
    char32_t kod = 0;
    ASSERT_EQ(utf8_coz(reinterpret_cast<const unsigned char*>(u.data()), u.size(), &kod), u.size())
        << "one whole UTF-8 character";
    EXPECT_EQ(kod, cp857_kod(static_cast<unsigned char>(b)));
    if (b < 128) {
      EXPECT_EQ(u, tek) << "ASCII passes unchanged";
    } else {
      EXPECT_GE(kod, 0x80u) << "no upper byte stands for an ASCII character";
    }
    Girdi geri = cp857(u);
    EXPECT_EQ(geri.kalan, "");
    if (bos.count(b)) {
      EXPECT_EQ(kod, YERINE_GECEN);
      EXPECT_EQ(geri.ceviri, YOK) << "an unassigned byte cannot be typed";
    } else {
      EXPECT_EQ(geri.ceviri, tek);
      EXPECT_TRUE(kodlar.insert(kod).second) << "two bytes share a character";
    }
  }
  EXPECT_EQ(kodlar.size(), 253u);
}

TEST(CodePage, LetterPlaces) {
  struct Harf {
    const char* utf8;
    unsigned char bayt;
  };
  const Harf harfler[] = {
      {"Ç", 0x80}, {"ü", 0x81}, {"é", 0x82}, {"â", 0x83}, {"ç", 0x87},      {"î", 0x8C},
      {"ı", 0x8D}, {"Ö", 0x99}, {"ö", 0x94}, {"û", 0x96}, {"İ", 0x98},      {"Ü", 0x9A},
      {"£", 0x9C}, {"Ş", 0x9E}, {"ş", 0x9F}, {"Ğ", 0xA6}, {"ğ", 0xA7},      {"░", 0xB0},
      {"│", 0xB3}, {"Â", 0xB6}, {"═", 0xCD}, {"º", 0xD0}, {"Î", 0xD7},      {"█", 0xDB},
      {"ß", 0xE1}, {"µ", 0xE6}, {"×", 0xE8}, {"ì", 0xEC}, {"ÿ", 0xED},      {"±", 0xF1},
      {"§", 0xF5}, {"÷", 0xF6}, {"°", 0xF8}, {"■", 0xFE}, {"\u00A0", 0xFF},
  };
  for (const Harf& h : harfler) {
    SCOPED_TRACE(h.utf8);
    std::string bayt(1, static_cast<char>(h.bayt));
    EXPECT_EQ(cp857(h.utf8).ceviri, bayt);
    EXPECT_EQ(utf8(bayt), h.utf8);
  }
  EXPECT_EQ(cp857("Şükrü Gümüşçüoğlu").ceviri, "\x9E\x81kr\x81 G\x81m\x81\x9F\x87\x81o\xA7lu");
  EXPECT_EQ(utf8("\x80i\xA7"
                 "dem \x98nce"),
            "Çiğdem İnce");
}

TEST(CodePage, RefusedByte) {
  struct Durum {
    const char* ad;
    std::string yazilan;
    std::string ceviri;
  };
  const Durum durumlar[] = {
      {"euro sign", "5€", "5" + YOK},
      {"z caron", "žA", YOK + "A"},
      {"Cyrillic", "Жx", YOK + "x"},
      {"a character of four bytes", "a😀b", "a" + YOK + "b"},
      {"C1 control NEL", "\xC2\x85", YOK},
      {"replacement character", "\xEF\xBF\xBD", YOK},
      {"lone continuation byte", "a\x80z", "a" + YOK + "z"},
      {"overlong slash", "\xC0\xAF", YOK + YOK},
      {"overlong of three bytes", "\xE0\x80\xAF", YOK + YOK + YOK},
      {"surrogate", "\xED\xA0\x80", YOK + YOK + YOK},
      {"above U+10FFFF", "\xF4\x90\x80\x80", YOK + YOK + YOK + YOK},
      {"byte F5", "\xF5", YOK},
      {"byte FF", "\xFF", YOK},
      {"start cut short keeps the ASCII after it",
       "\xC5"
       "A",
       YOK + "A"},
      {"start of three cut short by a line end", "\xE2\x82\n", YOK + "\n"},
      {"Latin-1 c cedilla, not UTF-8",
       "\xE7"
       "ok",
       YOK + "ok"},
  };
  for (const Durum& d : durumlar) {
    Girdi g = cp857(d.yazilan);
    EXPECT_EQ(g.ceviri, d.ceviri) << d.ad;
    EXPECT_EQ(g.kalan, "") << d.ad;
  }
}

TEST(CodePage, CutCharacterWaits) {
  struct Durum {
    std::string yazilan;
    std::string ceviri;
    std::string kalan;
  };
  const Durum durumlar[] = {
      {"ab\xC5", "ab", "\xC5"},
      {"\xE2\x82", "", "\xE2\x82"},
      {"x\xF0\x9F\x98", "x", "\xF0\x9F\x98"},
      {"\xC5\x9F", "\x9F", ""},
  };
  for (const Durum& d : durumlar) {
    Girdi g = cp857(d.yazilan);
    EXPECT_EQ(g.ceviri, d.ceviri);
    EXPECT_EQ(g.kalan, d.kalan);
  }
}

TEST(CodePage, OutputStopsBeforeMisfit) {
  const unsigned char kaynak[] = {'a', 0x9E, 0xB0};
  unsigned char hedef[4];
  struct Durum {
    std::size_t yer;
    std::size_t alinan;
    std::size_t verilen;
  };
  for (Durum d : {Durum{0, 0, 0}, Durum{1, 1, 1}, Durum{2, 1, 1}, Durum{3, 2, 3}, Durum{4, 2, 3}}) {
    Ceviri c = cp857den_utf8(kaynak, sizeof kaynak, hedef, d.yer);
    EXPECT_EQ(c.alinan, d.alinan) << d.yer;
    EXPECT_EQ(c.verilen, d.verilen) << d.yer;
  }
  Ceviri c = cp857den_utf8(kaynak + 2, 1, hedef, 3);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(hedef), c.verilen), "░");
}

}  // namespace
