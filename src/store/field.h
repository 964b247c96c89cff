// Fixed-width text fields. A field read from a file may have no NUL at all
// (files can be written by other means), so nothing here ever reads past the
// field's width.
#pragma once

#include <cstddef>
#include <cstring>

// Length of the text in a field: up to its first NUL, or its whole width.
template <std::size_t N>
std::size_t alan_boyu(const char (&alan)[N]) {
  return strnlen(alan, N);
}

// For printing a field with "%.*s" (or "%-20.*s"): the length, then the bytes.
#define ALAN(a) static_cast<int>(alan_boyu(a)), (a)

template <std::size_t N>
bool alan_bos(const char (&alan)[N]) {
  return alan[0] == '\0';
}

// Exact, case-sensitive comparison of two fields, or of a field with a text
// literal or buffer; neither side is read past its width.
template <std::size_t N, std::size_t M>
bool alan_esit(const char (&alan)[N], const char (&diger)[M]) {
  std::size_t n = alan_boyu(alan);
  return alan_boyu(diger) == n && std::memcmp(alan, diger, n) == 0;
}

// The same against the `boy` bytes of `metin`, which hold no NUL: for a
// scan that compares one text with every record, measured once.
template <std::size_t N>
bool alan_metin_esit(const char (&alan)[N], const char* metin, std::size_t boy) {
  return boy <= N && std::memcmp(alan, metin, boy) == 0 && (boy == N || alan[boy] == '\0');
}

// The same against a NUL-terminated text given by pointer.
template <std::size_t N>
bool alan_metin_esit(const char (&alan)[N], const char* metin) {
  return alan_metin_esit(alan, metin, std::strlen(metin));
}

// Copies a text with its NUL into a field, as strcpy would: the bytes behind
// the new NUL keep whatever they held. A text that does not fit is never cut:
// the field is left alone and false is returned.
template <std::size_t N>
bool alan_koy(char (&alan)[N], const char* metin) {
  std::size_t n = std::strlen(metin);
  if (n >= N) return false;
  std::memcpy(alan, metin, n + 1);
  return true;
}

// Copies one field into another of the same width, up to and with its first
// NUL; a field that has none is copied whole. The bytes behind are left alone.
template <std::size_t N>
void alan_kopyala(char (&hedef)[N], const char (&kaynak)[N]) {
  std::size_t n = alan_boyu(kaynak);
  std::memcpy(hedef, kaynak, n);
  if (n < N) hedef[n] = '\0';
}
