// The pieces the card's text is built from, without printf: fixed texts
// copied, fields padded by hand as "%-Ns" and "%Ns" would pad them, and
// amounts in fixed notation with two decimals as "%.2f" prints them. Each
// piece writes at `p` and answers the position behind its text. Fields are
// moved whole, so a piece may leave up to KART_PAYI scratch bytes behind its
// text, which the next piece writes over: the buffer must have that much
// room beyond the text.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The longest text of an amount: a sign, 309 digits, the point, 2 decimals.
inline constexpr std::size_t TUTAR_EN_UZUN = 313;

// The most scratch a piece leaves behind its text: a field of the widest
// kind (40 bytes) and a padding of as many columns.
inline constexpr std::size_t KART_PAYI = 80;

// `n` bytes of `metin`.
inline char* metin_ekle(char* p, const char* metin, std::size_t n) {
  std::memcpy(p, metin, n);
  return p + n;
}

// A text literal, without its NUL.
template <std::size_t N>
char* sabit_ekle(char* p, const char (&metin)[N]) {
  return metin_ekle(p, metin, N - 1);
}

// Length of a field's text, up to its first NUL or its whole width, kept in
// line and looked for eight bytes at a time: in a little-endian word the
// lowest byte that the zero-byte test marks is the first NUL.
template <std::size_t N>
std::size_t metin_boyu(const char (&alan)[N]) {
  constexpr uint64_t BIRLER = 0x0101010101010101ULL;
  constexpr uint64_t USTLER = 0x8080808080808080ULL;
  std::size_t i = 0;
  for (; i + 8 <= N; i += 8) {
    uint64_t v;
    std::memcpy(&v, alan + i, 8);
    uint64_t sifir = (v - BIRLER) & ~v & USTLER;
    if (sifir != 0) return i + static_cast<std::size_t>(std::countr_zero(sifir)) / 8;
  }
  if (i + 4 <= N) {
    uint32_t v;
    std::memcpy(&v, alan + i, 4);
    uint32_t sifir = (v - static_cast<uint32_t>(BIRLER)) & ~v & static_cast<uint32_t>(USTLER);
    if (sifir != 0) return i + static_cast<std::size_t>(std::countr_zero(sifir)) / 8;
    i += 4;
  }
  for (; i < N; ++i) {
    if (alan[i] == '\0') return i;
  }
  return N;
}

// A field as "%s": its text up to the first NUL, or its whole width. The
// whole field is copied in one move of a fixed size; the bytes behind its
// text are scratch that the next piece writes over.
template <std::size_t N>
char* alan_ekle(char* p, const char (&alan)[N]) {
  std::memcpy(p, alan, N);
  return p + metin_boyu(alan);
}

// A field as "%-Gs": left-aligned and padded with blanks to G columns.
template <std::size_t G, std::size_t N>
char* sola_ekle(char* p, const char (&alan)[N]) {
  std::memcpy(p, alan, N);
  std::size_t n = metin_boyu(alan);
  std::memset(p + n, ' ', G);
  return p + (n < G ? G : n);
}

// A field as "%Gs": right-aligned in G columns.
template <std::size_t G, std::size_t N>
char* saga_ekle(char* p, const char (&alan)[N]) {
  std::size_t n = metin_boyu(alan);
  if (n >= G) {
    std::memcpy(p, alan, N);
    return p + n;
  }
  std::memset(p, ' ', G);
  std::memcpy(p + (G - n), alan, N);
  return p + G;
}

// An amount as "%.2f": the exact binary value rounded to two decimals, half
// to even; "-0.00" for a negative zero or a negative amount that rounds to
// zero, "inf", "-inf", "nan" and "-nan" for the values that are no numbers.
// At most TUTAR_EN_UZUN bytes.
char* tutar_ekle(char* p, double tutar);
