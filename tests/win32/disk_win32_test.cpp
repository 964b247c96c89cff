// The Windows file services: files shared between two opens, binary record
// files beside a text report, and only regular files opened.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "gecici_dosya.h"
#include "platform/disk.h"

namespace {

constexpr std::size_t KAYIT = 376;

std::string kayit(char dolgu) {
  return std::string(KAYIT, dolgu);
}

std::string oku_yer(FILE* f, int64_t konum, std::size_t boy) {
  std::string s(boy, '\0');
  if (!disk_git(f, konum)) return "";
  s.resize(std::fread(s.data(), 1, boy, f));
  return s;
}

TEST(DiskWin32, AFileOpenedTwiceIsReadAndWrittenThroughBoth) {
  struct Durum {
    AcmaKipi ilk, ikinci;
  };
  for (Durum d :
       {Durum{AcmaKipi::guncelle, AcmaKipi::guncelle}, Durum{AcmaKipi::guncelle, AcmaKipi::ekle},
        Durum{AcmaKipi::ekle, AcmaKipi::guncelle}}) {
    GeciciDosya g;
    g.yaz(kayit('a') + kayit('b'));
    FILE* a = disk_ac(g.ad(), d.ilk);
    ASSERT_NE(a, nullptr);
    FILE* b = disk_ac(g.ad(), d.ikinci);
    ASSERT_NE(b, nullptr) << "the second open of a file that is already open";
    EXPECT_EQ(oku_yer(a, 0, 2 * KAYIT), kayit('a') + kayit('b'));
    EXPECT_EQ(oku_yer(b, 0, 2 * KAYIT), kayit('a') + kayit('b'));
    // A record written through one is read back through the other.
    if (d.ilk == AcmaKipi::guncelle) {
      ASSERT_TRUE(disk_git(a, KAYIT));
    }
    ASSERT_EQ(std::fwrite(kayit('c').data(), 1, KAYIT, a), KAYIT);
    ASSERT_TRUE(disk_esitle(a));
    int64_t yer = d.ilk == AcmaKipi::guncelle ? KAYIT : 2 * KAYIT;
    EXPECT_EQ(oku_yer(b, yer, KAYIT), kayit('c'));
    std::fclose(b);
    std::fclose(a);
  }
}

TEST(DiskWin32, RecordFilesAreRawBytesAndTheReportIsText) {
  const std::string bayt = std::string("\r\n\x1a\n\r", 5) + std::string(1, '\0') + "x\n";
  GeciciDosya g;
  g.yaz(bayt);
  FILE* f = disk_ac(g.ad(), AcmaKipi::guncelle);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(oku_yer(f, 0, 64), bayt);
  std::fclose(f);

  f = disk_ac(g.ad(), AcmaKipi::ekle);
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fwrite(bayt.data(), 1, bayt.size(), f), bayt.size());
  std::fclose(f);
  EXPECT_EQ(g.oku(), bayt + bayt);

  // The report is emptied by its writer, under its lock, not by the open.
  f = disk_ac(g.ad(), AcmaKipi::yeni_metin);
  ASSERT_NE(f, nullptr);
  ASSERT_TRUE(disk_kes(f, 0));
  std::fputs("BIR\nIKI\n", f);
  std::fclose(f);
  EXPECT_EQ(g.oku(), "BIR\r\nIKI\r\n");
}

TEST(DiskWin32, OnlyARegularFileOpens) {
  char dizin[MAX_PATH];
  GetTempPathA(MAX_PATH, dizin);
  EXPECT_EQ(disk_ac(dizin, AcmaKipi::guncelle), nullptr);
  EXPECT_EQ(disk_ac("NUL", AcmaKipi::guncelle), nullptr);
  GeciciDosya g;
  DeleteFileA(g.ad());
  EXPECT_EQ(disk_ac(g.ad(), AcmaKipi::guncelle), nullptr) << "update never creates a file";
  EXPECT_EQ(g.oku(), "");
}

}  // namespace
