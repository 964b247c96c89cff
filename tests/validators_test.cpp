// The field checks, case by case: what each accepts and refuses, and that
// only the marital-status check changes the caller's text.
#include "input/validators.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Durum {
  const char* metin;
  int beklenen;
};

void PrintTo(const Durum& d, std::ostream* os) {
  *os << '"' << d.metin << '"';
}

// The caller's own writable text, as a prompt's buffer holds it: the text,
// its NUL, then bytes that a check must not touch either.
std::string metin_bayti(const char* metin) {
  std::string s = metin;
  s += '\0';
  s.resize(50, '#');
  return s;
}
void kopyala(char (&tampon)[50], const char* metin) {
  std::string s = metin_bayti(metin);
  std::memcpy(tampon, s.data(), sizeof tampon);
}

class Kontrolno : public ::testing::TestWithParam<Durum> {};
TEST_P(Kontrolno, Table) {
  EXPECT_EQ(kontrolno(GetParam().metin), GetParam().beklenen);
}
INSTANTIATE_TEST_SUITE_P(Case, Kontrolno,
                         ::testing::Values(Durum{"", 1}, Durum{"0", 1}, Durum{"12345678901", 1},
                                           Durum{"123 456", 0}, Durum{"+1", 0}, Durum{"-1", 0},
                                           Durum{"12a", 0}, Durum{" 1", 0}, Durum{"1 ", 0},
                                           Durum{"\xd9", 0}, Durum{"1.5", 0}));

class Kontrolcns : public ::testing::TestWithParam<Durum> {};
TEST_P(Kontrolcns, Table) {
  EXPECT_EQ(kontrolcns(GetParam().metin), GetParam().beklenen);
}
INSTANTIATE_TEST_SUITE_P(Case, Kontrolcns,
                         ::testing::Values(Durum{"E", 1}, Durum{"e", 1}, Durum{"K", 1},
                                           Durum{"k", 1}, Durum{"Erkek", 1}, Durum{"kadin", 1},
                                           Durum{"M", 0}, Durum{"", 0}, Durum{" E", 0},
                                           Durum{"x", 0}));

struct MhDurumu {
  const char* metin;
  int beklenen;
  const char* sonra;  // the caller's text after the call
};
void PrintTo(const MhDurumu& d, std::ostream* os) {
  *os << '"' << d.metin << '"';
}

class Kontrolmh : public ::testing::TestWithParam<MhDurumu> {};
TEST_P(Kontrolmh, Table) {
  char metin[50];
  std::strcpy(metin, GetParam().metin);
  EXPECT_EQ(kontrolmh(metin), GetParam().beklenen);
  EXPECT_STREQ(metin, GetParam().sonra);
}
INSTANTIATE_TEST_SUITE_P(Case, Kontrolmh,
                         ::testing::Values(MhDurumu{"evli", 1, "Evli"}, MhDurumu{"EVLI", 1, "Evli"},
                                           MhDurumu{"eVlI", 1, "Evli"}, MhDurumu{"Evli", 1, "Evli"},
                                           MhDurumu{"bekar", 1, "Bekar"}, MhDurumu{"dul", 1, "Dul"},
                                           MhDurumu{"Evli ", 0, "Evli "},
                                           MhDurumu{" evli", 0, " Evli"},
                                           MhDurumu{"bosanmis", 0, "Bosanmis"}, MhDurumu{"", 0, ""},
                                           MhDurumu{"evli bekar", 0, "Evli Bekar"}));

class Kontroltar : public ::testing::TestWithParam<Durum> {};
TEST_P(Kontroltar, Table) {
  char metin[50];
  kopyala(metin, GetParam().metin);
  EXPECT_EQ(kontroltar(metin), GetParam().beklenen);
  EXPECT_EQ(std::string(metin, sizeof metin), std::string(metin_bayti(GetParam().metin)))
      << "the check cuts a copy, never the caller's text";
}
INSTANTIATE_TEST_SUITE_P(
    Case, Kontroltar,
    ::testing::Values(Durum{"12/05/2000", 1}, Durum{"31/02/2000", 1}, Durum{"00/00/0000", 1},
                      Durum{"ab/cd/efgh", 1}, Durum{"-1/-1/2000", 1}, Durum{" 1/05/2000", 1},
                      Durum{"31/12/9999", 1}, Durum{"01/01/abcd", 1}, Durum{"32/01/2000", 0},
                      Durum{"01/13/2000", 0}, Durum{"99/99/2000", 0}, Durum{"1/5/200", 0},
                      Durum{"12-05-2000", 0}, Durum{"12/05", 0}, Durum{"", 0},
                      Durum{"12/05/20001", 0}, Durum{"12/5/20001", 0},
                      // strtok semantics: leading and doubled separators collapse
                      Durum{"/12/05/2000", 1}, Durum{"12//05/2000", 1}, Durum{"12/05/2000/xx", 1},
                      Durum{"+9/+9/2000", 1}));

class Kontrolst : public ::testing::TestWithParam<Durum> {};
TEST_P(Kontrolst, Table) {
  char metin[50];
  kopyala(metin, GetParam().metin);
  EXPECT_EQ(kontrolst(metin), GetParam().beklenen);
  EXPECT_EQ(std::string(metin, sizeof metin), std::string(metin_bayti(GetParam().metin)))
      << "the check cuts a copy, never the caller's text";
}
INSTANTIATE_TEST_SUITE_P(Case, Kontrolst,
                         ::testing::Values(Durum{"00:00", 1}, Durum{"23:59", 1}, Durum{"09:05", 1},
                                           Durum{"ab:cd", 1}, Durum{"-1:-5", 1}, Durum{"24:00", 0},
                                           Durum{"12:60", 0}, Durum{"99:99", 0}, Durum{"1:30", 0},
                                           Durum{"12.30", 0}, Durum{"12:", 0}, Durum{"", 0},
                                           Durum{"12:3", 0}, Durum{"12:30:45", 1}));

}  // namespace
