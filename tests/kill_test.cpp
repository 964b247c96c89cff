// SIGKILL at any moment of a long session: between operations and inside a
// prompt (while the program waits for a key), inside a record write (after
// the write, before its sync), and at random times (inside listings,
// reports, anything). Afterwards every record file must be, byte for byte,
// one of the states it had whenever the program waited for a key, and the
// next start must list and register normally. Those states come from one
// undisturbed run of the same session, typed byte by byte, in which the
// fault library copies every file that changed before each key is read.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fault_kit.h"
#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace {

using namespace kayit_kiti;

constexpr int ISLEM_SAYISI = 200;

// The scripted session: registrations, edits, admissions, discharges,
// cashier entries, deletions, lists, searches, reports, archive views and
// staff accounts, in an order drawn once from a fixed seed. The script keeps
// track of who is registered and admitted, so that every answer it types
// meets the prompt it is meant for.
std::string senaryo() {
  std::mt19937 r(20261207);
  struct Hasta {
    std::string tc;
    bool kabul = false;    // admitted at least once
    bool yatiyor = false;  // the visit is open
  };
  std::vector<Hasta> hastalar;
  std::string s = giris_girdisi();
  int sonraki_tc = 0;
  int personel = 0;
  auto rastgele = [&](std::size_t n) { return static_cast<std::size_t>(r() % n); };
  // Weights of the operations below: admissions and discharges come often
  // enough that the archive grows as well.
  const std::vector<int> agirlik = {3, 1, 2, 3, 1, 1, 1, 1, 1, 1, 1};
  std::discrete_distribution<int> secim(agirlik.begin(), agirlik.end());
  // A patient admitted (or not) when there is one, else any.
  auto hasta_sec = [&](bool yatan) {
    std::vector<Hasta*> uyan;
    for (Hasta& h : hastalar) {
      if (h.yatiyor == yatan) uyan.push_back(&h);
    }
    if (uyan.empty()) return &hastalar[rastgele(hastalar.size())];
    return uyan[rastgele(uyan.size())];
  };
  for (int i = 0; i < ISLEM_SAYISI; ++i) {
    int islem = hastalar.size() < 3 ? 0 : secim(r);
    Hasta* h = hastalar.empty() ? nullptr : &hastalar[rastgele(hastalar.size())];
    switch (islem) {
      case 0: {
        std::string tc = std::to_string(20000000000L + sonraki_tc++);
        s += "1\n" + tc + "\nali veli\ne\n01/02/1980\nankara\na rh+\ncad " +
             std::to_string(sonraki_tc) + "\nankara\ncankaya\n3121234567\nevli\n\nx";
        hastalar.push_back({tc});
        break;
      }
      case 1:
        s += "2\n" + h->tc + "\n\nayse kaya\n" + tekrar("\n", 10) + "x";
        break;
      case 2:
        h = hasta_sec(false);
        if (h->yatiyor) {
          s += "5\n" + h->tc + "\nx";  // refused: the visit is open
        } else {
          s += "5\n" + h->tc + "\n03/04/2024\n09:30\nates\ndahiliye\nx";
          h->yatiyor = h->kabul = true;
        }
        break;
      case 3:
        h = hasta_sec(true);
        if (!h->kabul) {
          s += "6\n" + h->tc + "\nx";  // refused: never admitted
        } else {
          s += "6\n" + h->tc + "\ndr can\ngrip\nparol\n05/04/2024\n14:15\n" +
               std::to_string(10 + i) + ".5\nx";
          h->yatiyor = false;
        }
        break;
      case 4:
        s += "8\n" + h->tc + "\n-" + std::to_string(i) + ".25\nx";
        break;
      case 5:
        s += "3\n" + h->tc + "\nEx";
        hastalar.erase(hastalar.begin() + (h - hastalar.data()));
        break;
      case 6:
        s += "4\nx";
        break;
      case 7:
        s += "7\nali\nx";
        break;
      case 8:
        s += "12\nx";
        break;
      case 9:
        s += "11\n" + h->tc + "\nx";
        break;
      case 10:
        s += "9\npersonel" + std::to_string(personel++) + "\nsifre\nx";
        break;
    }
  }
  return s + "14\n";
}

const std::map<std::string, std::size_t> KAYIT_BOYU = {
    {HASTA_DOSYASI, sizeof(hasta)},
    {PERSONEL_DOSYASI, sizeof(struct personel)},
    {ARSIV_DOSYASI, sizeof(arsiv)},
};

// What a record file may hold after a kill: missing, empty, or as it stood
// while the program waited for a key.
using Durumlar = std::map<std::string, std::set<std::string>>;

// Keeps the tests' working directories in memory, where syncs cost nothing,
// when the machine has such a place.
class BellekteCalis {
 public:
  BellekteCalis() {
    if (access("/dev/shm", W_OK) == 0) ortam_.koy("TMPDIR", "/dev/shm");
  }

 private:
  ariza::Ortam ortam_{};
};

struct Referans {
  Durumlar durumlar;
  std::size_t girdi_boyu = 0;
  long esitleme_sayisi = 0;
  double sure_mikro = 0;
};

// One undisturbed run of the session, with a copy of every file after every
// sync.
const Referans& referans() {
  static const Referans ref = [] {
    BellekteCalis bellek;
    Referans r;
    Calisma c, kopyalar, sayac;
    std::string girdi = senaryo();
    r.girdi_boyu = girdi.size();
    Sonuc s;
    {
      ariza::Ariza a({{"SIM_KOPYA_DIZINI", kopyalar.dizin()},
                      {"SIM_TEK_BAYT", "1"},
                      {"SIM_SAYAC_DOSYASI", sayac.yol("esitleme")}});
      s = c.calistir(girdi, 60);
    }
    EXPECT_EQ(s.durum, 0);
    // Every operation went back to the menu once: the script met every
    // prompt it was written for.
    std::size_t menuler = 0;
    for (std::size_t i = 0; (i = s.cikti.find("===== ANA MENU =====", i)) != std::string::npos;
         ++i) {
      ++menuler;
    }
    EXPECT_EQ(menuler, static_cast<std::size_t>(ISLEM_SAYISI + 1));
    for (const auto& [ad, boy] : KAYIT_BOYU) r.durumlar[ad] = {""};
    for (const auto& e : std::filesystem::directory_iterator(kopyalar.dizin())) {
      std::string ad = e.path().filename().string();
      std::string dosya = ad.substr(ad.find('.') + 1);
      if (KAYIT_BOYU.count(dosya)) r.durumlar[dosya].insert(kopyalar.oku(ad));
    }
    r.esitleme_sayisi = std::stol("0" + sayac.oku("esitleme"));
    // The session ends on states it reached.
    for (const auto& [ad, boy] : KAYIT_BOYU) {
      EXPECT_EQ(r.durumlar[ad].count(c.oku(ad)), 1u) << ad;
    }
    // How long the same session takes without the copies, for the timers.
    Calisma d;
    auto bas = std::chrono::steady_clock::now();
    {
      ariza::Ariza a({});
      d.calistir(girdi, 60);
    }
    r.sure_mikro =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - bas).count();
    return r;
  }();
  return ref;
}

int kullanilan(const std::string& dosya_bayti) {
  int n = 0;
  for (std::size_t i = 0; i + sizeof(hasta) <= dosya_bayti.size(); i += sizeof(hasta)) {
    if (kayit_oku(dosya_bayti, i / sizeof(hasta)).dolu == DOLU) ++n;
  }
  return n;
}

std::string sayim(int n) {
  return n == 0 ? "\nKayitli Hasta Yok!" : "\n(Toplam " + std::to_string(n) + " hasta kayitli)";
}

// Kills the session as `ayar` says and checks what it left behind.
void oldur_ve_bak(const std::pair<std::string, std::string>& ayar) {
  SCOPED_TRACE(ayar.first + "=" + ayar.second);
  const Referans& ref = referans();
  BellekteCalis bellek;
  Calisma c;
  Sonuc s;
  {
    ariza::Ariza a({ayar});
    s = c.calistir(senaryo(), 60);
  }
  ASSERT_FALSE(s.zaman_asimi);
  // A timer may come after the end; every other point lies inside the run.
  if (ayar.first != "SIM_OLDUR_MIKRO" || s.sinyal != 0) {
    EXPECT_EQ(s.sinyal, SIGKILL);
  }

  // A kill can stop an append's write at a page boundary of the file, which
  // leaves the first part of the record as an incomplete tail: never a record
  // to any scan, and freed by the next append. What stands before it must be a
  // state the program wrote.
  for (const auto& [ad, boy] : KAYIT_BOYU) {
    std::string icerik = c.oku(ad);
    std::size_t kuyruk = icerik.size() % boy;
    std::string butun = icerik.substr(0, icerik.size() - kuyruk);
    EXPECT_EQ(ref.durumlar.at(ad).count(butun), 1u) << ad << " holds a state never written";
    if (kuyruk > 0) {
      bool bir_kaydin_basi = false;
      for (const std::string& durum : ref.durumlar.at(ad)) {
        if (durum.size() > butun.size() && durum.compare(0, icerik.size(), icerik) == 0) {
          bir_kaydin_basi = true;
        }
      }
      EXPECT_TRUE(bir_kaydin_basi) << ad << ": the tail is not the start of a written record";
    }
  }

  // The next start lists, registers and lists again.
  int once = kullanilan(c.oku(HASTA_DOSYASI));
  bool dosya_var = c.var(HASTA_DOSYASI);
  Sonuc sonra = c.calistir(oturum_girdisi(
      "4\nx1\n29999999999\nzeynep demir\nk\n05/06/1990\nizmir\n0 rh+\nkordon 7\nizmir\nkonak\n"
      "2324567890\nbekar\n\nx4\nx"));
  EXPECT_EQ(sonra.durum, 0);
  EXPECT_NE(sonra.cikti.find(dosya_var ? sayim(once) : "Dosya Acilamadi!"), std::string::npos);
  EXPECT_NE(sonra.cikti.find(sayim(once + 1)), std::string::npos);
  EXPECT_EQ(kullanilan(c.oku(HASTA_DOSYASI)), once + 1);
}

// Between operations and inside prompts: the program is waiting for the
// next key of the session.
TEST(Kill, AtKeys) {
  WINDOWS_DISI("preloaded fault library");
  const Referans& ref = referans();
  constexpr std::size_t NOKTA = 100;
  for (std::size_t i = 1; i <= NOKTA; i += ariza::OLDURME_ADIMI) {
    oldur_ve_bak({"SIM_OLDUR_GIRDI", std::to_string(i * ref.girdi_boyu / NOKTA)});
  }
}

// Inside record writes: the record has been written, its sync has not run.
TEST(Kill, BeforeSync) {
  WINDOWS_DISI("preloaded fault library");
  const Referans& ref = referans();
  ASSERT_GT(ref.esitleme_sayisi, 100);
  constexpr long NOKTA = 100;
  for (long i = 1; i <= NOKTA; i += ariza::OLDURME_ADIMI) {
    oldur_ve_bak({"SIM_OLDUR_ESITLE", std::to_string(i * ref.esitleme_sayisi / NOKTA)});
  }
}

// At random moments of the run: inside listings, reports, scans, anything.
TEST(Kill, Timed) {
  WINDOWS_DISI("preloaded fault library");
  const Referans& ref = referans();
  std::mt19937 r(7);
  std::uniform_real_distribution<double> an(0, ref.sure_mikro);
  for (int i = 0; i < 100; i += ariza::OLDURME_ADIMI) {
    oldur_ve_bak({"SIM_OLDUR_MIKRO", std::to_string(static_cast<long>(an(r)))});
  }
}

}  // namespace
