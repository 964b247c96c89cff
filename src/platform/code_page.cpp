#include "platform/code_page.h"

#include <iterator>

namespace {

constexpr unsigned char ILK_UST = 0x80;  // the first byte above ASCII
constexpr std::size_t UST_YARI = 128;

// The characters of bytes 0x80 to 0xFF, sixteen to a row.
constexpr char16_t UST_YARI_TABLOSU[] = {
    // 0x80: C cedilla first, dotless i at 0x8D
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  //
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x0131, 0x00C4, 0x00C5,  //
    // 0x90: capital I with dot at 0x98, S and s cedilla at 0x9E and 0x9F
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  //
    0x0130, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x015E, 0x015F,  //
    // 0xA0: G and g breve at 0xA6 and 0xA7
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x011E, 0x011F,  //
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  //
    // 0xB0: shades and box drawing, with a few capitals among them
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  //
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  //
    // 0xC0
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  //
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  //
    // 0xD0: 0xD5 is unassigned (no euro sign in this table)
    0x00BA, 0x00AA, 0x00CA, 0x00CB, 0x00C8, 0xFFFD, 0x00CD, 0x00CE,  //
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  //
    // 0xE0: 0xE7 is unassigned
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0xFFFD,  //
    0x00D7, 0x00DA, 0x00DB, 0x00D9, 0x00EC, 0x00FF, 0x00AF, 0x00B4,  //
    // 0xF0: soft hyphen first; 0xF2 is unassigned; no-break space last
    0x00AD, 0x00B1, 0xFFFD, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  //
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  //
};
static_assert(std::size(UST_YARI_TABLOSU) == UST_YARI, "one character for every upper byte");

bool devam_bayti(unsigned char c, unsigned char alt, unsigned char ust) {
  return c >= alt && c <= ust;
}

}  // namespace

char32_t cp857_kod(unsigned char bayt) {
  if (bayt < ILK_UST) return bayt;
  return UST_YARI_TABLOSU[bayt - ILK_UST];
}

int cp857_bayt(char32_t kod) {
  if (kod < ILK_UST) return static_cast<int>(kod);
  if (kod == YERINE_GECEN) return -1;
  for (std::size_t i = 0; i < UST_YARI; ++i) {
    if (UST_YARI_TABLOSU[i] == kod) return static_cast<int>(ILK_UST + i);
  }
  return -1;
}

std::size_t utf8_coz(const unsigned char* p, std::size_t n, char32_t* kod) {
  unsigned char b = p[0];
  if (b < ILK_UST) {
    *kod = b;
    return 1;
  }
  // The well-formed sequences: the first byte gives the length, and for a
  // few first bytes the second byte's range is narrower, which rules out
  // overlong forms, surrogates and code points above U+10FFFF.
  std::size_t boy;
  char32_t k;
  unsigned char alt = 0x80;
  unsigned char ust = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    boy = 2;
    k = b & 0x1Fu;
  } else if (b >= 0xE0 && b <= 0xEF) {
    boy = 3;
    k = b & 0x0Fu;
    if (b == 0xE0) alt = 0xA0;
    if (b == 0xED) ust = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    boy = 4;
    k = b & 0x07u;
    if (b == 0xF0) alt = 0x90;
    if (b == 0xF4) ust = 0x8F;
  } else {
    *kod = UTF8_HATALI;
    return 1;
  }
  for (std::size_t i = 1; i < boy; ++i) {
    if (i >= n) return 0;
    if (!devam_bayti(p[i], alt, ust)) {
      *kod = UTF8_HATALI;
      return i;
    }
    alt = 0x80;
    ust = 0xBF;
    k = (k << 6) | (p[i] & 0x3Fu);
  }
  *kod = k;
  return boy;
}

Ceviri utf8den_cp857(unsigned char* tampon, std::size_t boy) {
  Ceviri c = {0, 0};
  while (c.alinan < boy) {
    char32_t kod;
    std::size_t n = utf8_coz(tampon + c.alinan, boy - c.alinan, &kod);
    if (n == 0) break;
    int b = kod == UTF8_HATALI ? -1 : cp857_bayt(kod);
    tampon[c.verilen++] = b < 0 ? CP857_YOK : static_cast<unsigned char>(b);
    c.alinan += n;
  }
  return c;
}

Ceviri cp857den_utf8(const unsigned char* kaynak, std::size_t boy, unsigned char* hedef,
                     std::size_t yer) {
  Ceviri c = {0, 0};
  for (; c.alinan < boy; ++c.alinan) {
    char32_t k = cp857_kod(kaynak[c.alinan]);
    if (k < 0x80) {
      if (c.verilen + 1 > yer) break;
      hedef[c.verilen++] = static_cast<unsigned char>(k);
    } else if (k < 0x800) {
      if (c.verilen + 2 > yer) break;
      hedef[c.verilen++] = static_cast<unsigned char>(0xC0 | (k >> 6));
      hedef[c.verilen++] = static_cast<unsigned char>(0x80 | (k & 0x3F));
    } else {
      if (c.verilen + 3 > yer) break;
      hedef[c.verilen++] = static_cast<unsigned char>(0xE0 | (k >> 12));
      hedef[c.verilen++] = static_cast<unsigned char>(0x80 | ((k >> 6) & 0x3F));
      hedef[c.verilen++] = static_cast<unsigned char>(0x80 | (k & 0x3F));
    }
  }
  return c;
}
