// Four desks at machine pace on one data folder behind the emulated network
// link (shared_link.cpp), for bench/busy_share.sh. Each desk is a copy of the
// program with its own piped session and its own counters on the link. A
// desk is fed one operation, and the next as soon as it shows the end of the
// last: the return prompt, answered with a key, and the menu's next
// "Seciminiz: ". The time from its keys to that prompt is the operation's.
//
// Every desk makes about twenty operations, registrations, cashier payments,
// archive lookups and lists, in an order drawn from the seed, on patients of
// its own: it registers new numbers no other desk types, and pays for and
// looks up a few existing patients that no other desk touches, so that no
// two operations really collide and every refusal is the locks' doing.
// Afterwards the files are checked against what each desk was shown.
//
//   busy_desks --run FOLDER --seed S --mbps X [--rtt-us U] [--program PROGRAM]
//
// prints one line an operation and one a desk (see yaz_sonuc); the clock of
// the link and the desks' counters go to files in FOLDER. Then
//
//   busy_desks --summary FILE...
//
// reads the lines of several runs (seeds, and a second program's runs) and
// prints their tables: medians over the runs of each program.
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shared_link.h"
#include "store/records.h"

namespace {

constexpr int MASA_SAYISI = 4;
// Each desk's operations: one registration in ten.
constexpr int KAYIT_SAYISI = 2;
constexpr int ODEME_SAYISI = 6;
constexpr int BAKMA_SAYISI = 8;
constexpr int LISTE_SAYISI = 4;
// Existing patients each desk pays for and looks up.
constexpr int MASANIN_HASTASI = 4;
// A desk that shows nothing new for this long has hung.
constexpr auto SESSIZLIK_SINIRI = std::chrono::seconds(600);

// ---- One run ----

enum class Tur { kayit, odeme, bakma, liste };
const char* const TUR_ADLARI[] = {"registration", "payment", "lookup", "list"};

struct Islem {
  Tur tur;
  std::string tc;  // the patient's number; the new one of a registration
  int tutar = 0;   // a payment's amount in lira
};

// What an operation did to the file, as far as its screen tells.
enum class Etki { yok, yapildi, belirsiz };

// The texts of a screen that the driver waits for or counts.
enum Metin {
  DONUS,
  MENU,
  YAZILAMADI,
  ACILAMADI,
  KAYITLI,
  BULUNAMADI,
  AD,
  BAKIYE,
  GUVENCE,
  LISTE,
  METIN_SAYISI
};
const char* const METINLER[METIN_SAYISI] = {"(Ana menuye donmek icin bir tusa basiniz)",
                                            "Seciminiz: ",
                                            "Kayit Yazilamadi!",
                                            "Dosya Acilamadi!",
                                            "zaten kayitli",
                                            "Bulunamadi!",
                                            "Ad&Soyad: ",
                                            "Bakiye: ",
                                            "Sosyal Guvence: ",
                                            "===== HASTA LISTELEME ====="};

// Counts the texts in a screen that comes in pieces of any size (a list of a
// million patients is some 300 MB), keeping only the last few bytes.
class Sayici {
 public:
  void besle(const char* p, std::size_t n) {
    std::size_t eski = kuyruk_.size();
    kuyruk_.append(p, n);
    for (int i = 0; i < METIN_SAYISI; ++i) {
      std::size_t boy = std::strlen(METINLER[i]);
      // What the last piece already held whole was counted then.
      std::size_t bas = eski >= boy ? eski - boy + 1 : 0;
      for (std::size_t j = kuyruk_.find(METINLER[i], bas); j != std::string::npos;
           j = kuyruk_.find(METINLER[i], j + boy)) {
        ++sayi_[i];
      }
    }
    if (kuyruk_.size() > KUYRUK) kuyruk_.erase(0, kuyruk_.size() - KUYRUK);
  }
  int operator[](Metin m) const { return sayi_[m]; }
  void sifirla() { sayi_ = {}; }

 private:
  static constexpr std::size_t KUYRUK = 64;  // longer than every text
  std::string kuyruk_;
  std::array<int, METIN_SAYISI> sayi_ = {};
};

// The desk's counters on the link, read as they stand.
struct Sayaclar {
  uint64_t kilit = 0, okunan = 0;
};

struct Olcum {
  Tur tur;
  double ms;
  uint64_t kilit, okunan;
  int yazilamadi, acilamadi;
  Etki etki;
};

struct Masa {
  pid_t pid = -1;
  int girdi = -1, cikti = -1;
  const MasaSayaclari* sayac = nullptr;
  std::vector<Islem> islemler;
  std::vector<int> hastalar;  // slots of its existing patients
  std::size_t sira = 0;       // the operation under way, or the next
  bool kalan_gitti = false;   // its keys after the prompt in the middle
  enum { giriste, islemde, donuste, cikista, bitti } evre = giriste;
  Sayici sayici;
  std::chrono::steady_clock::time_point bas, son_cikti;
  Sayaclar once;
  std::vector<Olcum> olcumler;
};

// A small, fast generator (splitmix64), so that a seed gives the same
// operations on every machine.
struct Zar {
  uint64_t s;
  uint64_t operator()() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
};

// What the check after a run needs of each slot of the patient file.
struct Ozet {
  bool dolu;
  uint64_t tc;
  double ucret;
};

std::vector<Ozet> ozet_oku(const std::string& yol) {
  std::vector<Ozet> v;
  FILE* f = std::fopen(yol.c_str(), "rb");
  if (f == nullptr) return v;
  static hasta blok[4096];
  std::size_t n;
  while ((n = std::fread(blok, sizeof(hasta), 4096, f)) > 0) {
    for (std::size_t i = 0; i < n; ++i) {
      const hasta& k = blok[i];
      std::string tc(k.tckimlik, strnlen(k.tckimlik, sizeof k.tckimlik));
      v.push_back({k.dolu == DOLU, std::strtoull(tc.c_str(), nullptr, 10), k.ucret});
    }
  }
  std::fclose(f);
  return v;
}

// An operation's keys, as a person types them: the first ones, then, once
// the screen shows `istem` (when there is one), the rest. A patient that is
// not found, or a file that cannot be read, ends the operation before that
// prompt, and the rest is never typed.
struct Girdi {
  std::string ilk;
  Metin istem = METIN_SAYISI;
  std::string kalan = "";
};

Girdi girdi(const Islem& is) {
  switch (is.tur) {
    case Tur::kayit:
      return {
          "1\n" + is.tc + "\n", AD,
          "ali veli\ne\n01/02/2000\nankara\nab rh+\ncad 1\nankara\ncankaya\n5321234567\nevli\n\n"};
    case Tur::odeme:
      return {"8\n" + is.tc + "\n", BAKIYE, std::to_string(is.tutar) + "\n"};
    case Tur::bakma:
      return {"11\n" + is.tc + "\n"};
    case Tur::liste:
      break;
  }
  return {"4\n"};
}

// Draws each desk's patients and operations. New numbers begin with 9,
// which no generated patient's does.
std::vector<Masa> planla(const std::vector<Ozet>& ozet, uint64_t tohum) {
  Zar zar{tohum * 0x1000193 + 7};
  std::vector<Masa> masalar(MASA_SAYISI);
  std::set<int> alinan;
  std::set<std::string> yeni;
  for (int d = 0; d < MASA_SAYISI; ++d) {
    Masa& m = masalar[d];
    while (static_cast<int>(m.hastalar.size()) < MASANIN_HASTASI) {
      int i = static_cast<int>(zar() % ozet.size());
      if (ozet[i].dolu && alinan.insert(i).second) m.hastalar.push_back(i);
    }
    auto hastasi = [&] { return std::to_string(ozet[m.hastalar[zar() % m.hastalar.size()]].tc); };
    for (int k = 0; k < KAYIT_SAYISI; ++k) {
      std::string tc;
      do {
        tc = "9" + std::to_string(d) + std::to_string(100000000 + zar() % 900000000);
      } while (!yeni.insert(tc).second);
      m.islemler.push_back({Tur::kayit, tc});
    }
    for (int k = 0; k < ODEME_SAYISI; ++k) {
      m.islemler.push_back({Tur::odeme, hastasi(), static_cast<int>(1 + zar() % 500)});
    }
    for (int k = 0; k < BAKMA_SAYISI; ++k) m.islemler.push_back({Tur::bakma, hastasi()});
    for (int k = 0; k < LISTE_SAYISI; ++k) m.islemler.push_back({Tur::liste, ""});
    for (std::size_t k = m.islemler.size() - 1; k > 0; --k) {
      std::swap(m.islemler[k], m.islemler[zar() % (k + 1)]);
    }
  }
  return masalar;
}

// Maps `yol`, emptied and grown to `boy` bytes, into this process.
void* bos_esle(const std::string& yol, std::size_t boy) {
  int fd = open(yol.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  void* p = ftruncate(fd, static_cast<off_t>(boy)) == 0
                ? mmap(nullptr, boy, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                : MAP_FAILED;
  close(fd);
  return p == MAP_FAILED ? nullptr : p;
}

struct Hat {
  std::string program, kutuphane, saat;
  std::string mbps, gecikme_us;
};

bool baslat(Masa& m, int d, const std::string& dizin, const Hat& hat) {
  std::string sayac_yolu = dizin + "/desk" + std::to_string(d + 1) + ".counters";
  m.sayac = static_cast<const MasaSayaclari*>(bos_esle(sayac_yolu, sizeof(MasaSayaclari)));
  int girdi[2], cikti[2];
  if (m.sayac == nullptr || pipe2(girdi, O_CLOEXEC) != 0 || pipe2(cikti, O_CLOEXEC) != 0) {
    return false;
  }
  m.pid = fork();
  if (m.pid == 0) {
    int bos = open("/dev/null", O_WRONLY);
    if (chdir(dizin.c_str()) != 0 || bos < 0) _exit(127);
    dup2(girdi[0], 0);
    dup2(cikti[1], 1);
    dup2(bos, 2);
    setenv("LD_PRELOAD", hat.kutuphane.c_str(), 1);
    setenv("PALVO_LINK_CLOCK", hat.saat.c_str(), 1);
    setenv("PALVO_LINK_MBPS", hat.mbps.c_str(), 1);
    setenv("PALVO_LINK_RTT_US", hat.gecikme_us.c_str(), 1);
    setenv("PALVO_LINK_COUNTERS", sayac_yolu.c_str(), 1);
    execl(hat.program.c_str(), hat.program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(girdi[0]);
  close(cikti[1]);
  m.girdi = girdi[1];
  m.cikti = cikti[0];
  fcntl(m.cikti, F_SETFL, O_NONBLOCK);
  m.son_cikti = std::chrono::steady_clock::now();
  return m.pid > 0;
}

// Keys for the desk: a few dozen bytes, which the pipe takes at once.
bool gonder(Masa& m, const std::string& s) {
  return write(m.girdi, s.data(), s.size()) == static_cast<ssize_t>(s.size());
}

Sayaclar oku(const MasaSayaclari* s) {
  return {s->kilit_istegi.load(), s->okunan_bayt.load()};
}

void islem_baslat(Masa& m) {
  if (m.sira == m.islemler.size()) {
    m.evre = Masa::cikista;
    gonder(m, "14\n");
    return;
  }
  m.sayici.sifirla();
  m.once = oku(m.sayac);
  m.evre = Masa::islemde;
  m.kalan_gitti = false;
  m.bas = std::chrono::steady_clock::now();
  gonder(m, girdi(m.islemler[m.sira]).ilk);
}

// What the screen of a finished operation says it did to the file.
Etki etkisi(const Islem& is, const Sayici& s) {
  if (is.tur == Tur::odeme) {
    // The list comes only after the payment is on disk; "Dosya Acilamadi!"
    // after the amount and before any list is a write whose undo failed.
    if (s[LISTE] > 0) return Etki::yapildi;
    return s[BAKIYE] > 0 && s[ACILAMADI] > 0 ? Etki::belirsiz : Etki::yok;
  }
  if (is.tur == Tur::kayit && s[GUVENCE] > 0) {
    if (s[ACILAMADI] > 0) return Etki::belirsiz;
    if (s[YAZILAMADI] == 0 && s[KAYITLI] == 0 && s[BULUNAMADI] == 0) return Etki::yapildi;
  }
  return Etki::yok;
}

// Moves the desk on by what it has shown since the last call.
void ilerlet(Masa& m) {
  if (m.evre == Masa::giriste && m.sayici[MENU] > 0) {
    m.evre = Masa::donuste;  // logged in: waits at the menu
    return;
  }
  if (m.evre == Masa::islemde && !m.kalan_gitti) {
    Girdi g = girdi(m.islemler[m.sira]);
    if (g.istem != METIN_SAYISI && m.sayici[g.istem] > 0) {
      m.kalan_gitti = true;
      gonder(m, g.kalan);
    }
  }
  if (m.evre == Masa::islemde && m.sayici[DONUS] > 0) {
    m.evre = Masa::donuste;
    gonder(m, "x");
  }
  if (m.evre == Masa::donuste && m.sayici[MENU] > 0 && m.sayici[DONUS] > 0) {
    auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m.bas);
    Sayaclar simdi = oku(m.sayac);
    const Islem& is = m.islemler[m.sira];
    m.olcumler.push_back({is.tur, ms.count(), simdi.kilit - m.once.kilit,
                          simdi.okunan - m.once.okunan, m.sayici[YAZILAMADI], m.sayici[ACILAMADI],
                          etkisi(is, m.sayici)});
    ++m.sira;
    islem_baslat(m);
  }
}

// Runs every desk to its end. False when a desk hung or died.
bool calistir(std::vector<Masa>& masalar) {
  static char tampon[1 << 16];
  bool hepsi_girdi = false;
  for (;;) {
    std::vector<pollfd> p;
    std::vector<Masa*> kimin;
    for (Masa& m : masalar) {
      if (m.evre == Masa::bitti) continue;
      p.push_back({m.cikti, POLLIN, 0});
      kimin.push_back(&m);
    }
    if (p.empty()) return true;
    if (poll(p.data(), p.size(), 1000) < 0) continue;
    auto simdi = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < p.size(); ++i) {
      Masa& m = *kimin[i];
      if (p[i].revents == 0) {
        if (simdi - m.son_cikti > SESSIZLIK_SINIRI) return false;
        continue;
      }
      ssize_t n = read(m.cikti, tampon, sizeof tampon);
      if (n < 0) continue;
      if (n == 0) {
        if (m.evre != Masa::cikista) return false;
        m.evre = Masa::bitti;
        continue;
      }
      m.son_cikti = simdi;
      m.sayici.besle(tampon, static_cast<std::size_t>(n));
      if (m.evre != Masa::cikista) ilerlet(m);
    }
    // Every desk logs in first; then all start their operations together.
    if (!hepsi_girdi && std::all_of(masalar.begin(), masalar.end(),
                                    [](const Masa& m) { return m.evre == Masa::donuste; })) {
      hepsi_girdi = true;
      for (Masa& m : masalar) islem_baslat(m);
    }
  }
}

// The files against what the desks were shown: every registration shown as
// done is there once, every refused one is not; no number is stored twice;
// each patient's balance is its start plus the payments shown as done (and
// any subset of those whose outcome the screen left open); no other patient
// changed. Answers the faults found, one a line.
std::vector<std::string> denetle(const std::vector<Masa>& masalar, const std::vector<Ozet>& once,
                                 const std::vector<Ozet>& sonra) {
  std::vector<std::string> hatalar;
  std::vector<uint64_t> tcler;
  for (const Ozet& o : sonra) {
    if (o.dolu) tcler.push_back(o.tc);
  }
  std::sort(tcler.begin(), tcler.end());
  for (std::size_t i = 1; i < tcler.size(); ++i) {
    if (tcler[i] == tcler[i - 1] && (i == 1 || tcler[i - 2] != tcler[i])) {
      hatalar.push_back("number " + std::to_string(tcler[i]) + " stored twice");
    }
  }
  if (sonra.size() < once.size()) hatalar.push_back("the patient file is shorter than it was");
  std::set<int> odenen;
  for (const Masa& m : masalar) {
    std::map<uint64_t, std::vector<int>> kesin, belki;  // payments by patient
    for (std::size_t k = 0; k < m.olcumler.size(); ++k) {
      const Islem& is = m.islemler[k];
      const Olcum& o = m.olcumler[k];
      uint64_t tc = std::strtoull(is.tc.c_str(), nullptr, 10);
      if (is.tur == Tur::kayit) {
        auto [ilk, son] = std::equal_range(tcler.begin(), tcler.end(), tc);
        long n = son - ilk;
        if ((o.etki == Etki::yapildi && n != 1) || (o.etki == Etki::yok && n != 0)) {
          hatalar.push_back("registration of " + is.tc + " shown as " +
                            (o.etki == Etki::yapildi ? "done" : "not done") + ", stored " +
                            std::to_string(n) + " times");
        }
      } else if (is.tur == Tur::odeme && o.etki != Etki::yok) {
        (o.etki == Etki::yapildi ? kesin : belki)[tc].push_back(is.tutar);
      }
    }
    for (int i : m.hastalar) {
      odenen.insert(i);
      if (static_cast<std::size_t>(i) >= sonra.size() || sonra[i].tc != once[i].tc) {
        hatalar.push_back("slot " + std::to_string(i) + " holds another patient");
        continue;
      }
      double beklenen = once[i].ucret;
      for (int t : kesin[once[i].tc]) beklenen += t;
      const std::vector<int>& acik = belki[once[i].tc];
      bool tuttu = false;
      for (unsigned alt = 0; alt < (1u << acik.size()) && !tuttu; ++alt) {
        double b = beklenen;
        for (std::size_t j = 0; j < acik.size(); ++j) b += (alt >> j & 1) ? acik[j] : 0;
        tuttu = std::fabs(sonra[i].ucret - b) < 0.005;
      }
      if (!tuttu) {
        hatalar.push_back("balance of " + std::to_string(once[i].tc) + " is " +
                          std::to_string(sonra[i].ucret) + ", payments shown as done make it " +
                          std::to_string(beklenen));
      }
    }
  }
  for (std::size_t i = 0; i < once.size() && i < sonra.size(); ++i) {
    if (odenen.count(static_cast<int>(i))) continue;
    if (once[i].dolu != sonra[i].dolu || once[i].tc != sonra[i].tc ||
        once[i].ucret != sonra[i].ucret) {
      hatalar.push_back("slot " + std::to_string(i) + " changed, though no desk wrote it");
    }
  }
  return hatalar;
}

const char* etki_adi(Etki e) {
  return e == Etki::yapildi ? "done" : e == Etki::belirsiz ? "unknown" : "none";
}

// The lines of a run:
//   run PROGRAM SEED MBPS RTT_US SLOTS
//   op DESK KIND MS LOCK_REQUESTS BYTES_READ YAZILAMADI ACILAMADI EFFECT
//   desk DESK LONGEST_LOCK_WAIT_MS REQUESTS LOCKS_REFUSED
//   check ok | check FAULT <text>
void yaz_sonuc(const std::vector<Masa>& masalar, const std::vector<std::string>& hatalar) {
  for (std::size_t d = 0; d < masalar.size(); ++d) {
    for (const Olcum& o : masalar[d].olcumler) {
      std::printf("op %zu %s %.1f %llu %llu %d %d %s\n", d + 1, TUR_ADLARI[static_cast<int>(o.tur)],
                  o.ms, static_cast<unsigned long long>(o.kilit),
                  static_cast<unsigned long long>(o.okunan), o.yazilamadi, o.acilamadi,
                  etki_adi(o.etki));
    }
  }
  for (std::size_t d = 0; d < masalar.size(); ++d) {
    const MasaSayaclari* s = masalar[d].sayac;
    std::printf("desk %zu %.1f %llu %llu\n", d + 1, s->en_uzun_bekleme_ns.load() / 1e6,
                static_cast<unsigned long long>(s->istek.load()),
                static_cast<unsigned long long>(s->reddedilen_kilit.load()));
  }
  if (hatalar.empty()) std::printf("check ok\n");
  for (const std::string& h : hatalar) std::printf("check FAULT %s\n", h.c_str());
}

int kos(const std::string& dizin, uint64_t tohum, const Hat& hat) {
  std::string hasta_yolu = dizin + "/" + HASTA_DOSYASI;
  std::vector<Ozet> once = ozet_oku(hasta_yolu);
  if (once.empty()) {
    std::fprintf(stderr, "no patients in %s\n", hasta_yolu.c_str());
    return 2;
  }
  std::vector<Masa> masalar = planla(once, tohum);
  if (bos_esle(hat.saat, sizeof(HatSaati)) == nullptr) return 2;
  std::printf("run %s %llu %s %s %zu\n", hat.program.c_str(),
              static_cast<unsigned long long>(tohum), hat.mbps.c_str(), hat.gecikme_us.c_str(),
              once.size());
  for (int d = 0; d < MASA_SAYISI; ++d) {
    if (!baslat(masalar[d], d, dizin, hat)) {
      std::fprintf(stderr, "cannot start desk %d\n", d + 1);
      return 2;
    }
    gonder(masalar[d], "nobet\nnobet\n");
  }
  bool tamam = calistir(masalar);
  bool hepsi_cikti = true;
  for (Masa& m : masalar) {
    if (!tamam) kill(m.pid, SIGKILL);
    int durum = 0;
    waitpid(m.pid, &durum, 0);
    hepsi_cikti = hepsi_cikti && WIFEXITED(durum) && WEXITSTATUS(durum) == 0;
  }
  std::vector<std::string> hatalar;
  if (!tamam || !hepsi_cikti) hatalar.push_back("a desk hung or died");
  std::vector<std::string> denetim = denetle(masalar, once, ozet_oku(hasta_yolu));
  hatalar.insert(hatalar.end(), denetim.begin(), denetim.end());
  yaz_sonuc(masalar, hatalar);
  return hatalar.empty() ? 0 : 1;
}

// ---- The tables of several runs ----

// The value at fraction `q` of the sorted values, by nearest rank.
double sirada(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  std::size_t i = static_cast<std::size_t>(std::ceil(q * v.size()));
  return v[i == 0 ? 0 : i - 1];
}

double ortanca(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Kosu {
  std::string tohum;
  // By kind: each operation's time, lock requests and bytes read, and 1 if
  // it showed "Kayit Yazilamadi!", or "Dosya Acilamadi!".
  std::map<std::string, std::vector<double>> ms, kilit, okunan, red, acik;
  int yazilamadi = 0, acilamadi = 0, islem = 0;
  std::vector<double> bekleme;  // each desk's longest wait, ms
  std::vector<std::string> hatalar;
};

struct Program {
  std::string ad, mbps, gecikme, slot;
  std::vector<Kosu> kosular;
};

// One row of the table: a kind of operation, or every operation ("").
struct Satir {
  double adet, p50, p95, kilit, kilit_en_cok, mb;
  std::vector<double> red, acik;  // per seed: refused, and "Dosya Acilamadi!"
};

Satir satir(const Program& p, const std::string& tur) {
  std::vector<double> adet, p50, p95, kilit, kilit_en_cok, mb, red, acik;
  for (const Kosu& k : p.kosular) {
    std::vector<double> ms, ki, ok;
    red.push_back(0);
    acik.push_back(0);
    for (const auto& [t, v] : k.ms) {
      if (!tur.empty() && t != tur) continue;
      ms.insert(ms.end(), v.begin(), v.end());
      ki.insert(ki.end(), k.kilit.at(t).begin(), k.kilit.at(t).end());
      ok.insert(ok.end(), k.okunan.at(t).begin(), k.okunan.at(t).end());
      for (double r : k.red.at(t)) red.back() += r;
      for (double a : k.acik.at(t)) acik.back() += a;
    }
    adet.push_back(static_cast<double>(ms.size()));
    p50.push_back(sirada(ms, 0.5));
    p95.push_back(sirada(ms, 0.95));
    kilit.push_back(ortanca(ki));
    kilit_en_cok.push_back(sirada(ki, 1));
    mb.push_back(ortanca(ok) / 1e6);
  }
  return {ortanca(adet),         ortanca(p50), ortanca(p95), ortanca(kilit),
          ortanca(kilit_en_cok), ortanca(mb),  red,          acik};
}

// The rows of a table: each kind, then every operation ("").
const char* const SATIRLAR[] = {"registration", "payment", "lookup", "list", ""};

std::string liste(const std::vector<double>& v, const char* bicim) {
  std::string s;
  char t[32];
  for (double x : v) {
    std::snprintf(t, sizeof t, bicim, x);
    s += (s.empty() ? "" : ", ") + std::string(t);
  }
  return s;
}

void program_yaz(const Program& p) {
  std::string tohumlar;
  for (const Kosu& k : p.kosular) tohumlar += " " + k.tohum;
  std::printf("\n%s: %s slots, %s MB/s, %s us round trip, %d desks, seeds%s\n", p.ad.c_str(),
              p.slot.c_str(), p.mbps.c_str(), p.gecikme.c_str(), MASA_SAYISI, tohumlar.c_str());
  std::printf(
      "\n| operation | per seed | p50 ms | p95 ms | lock requests per op | most in one op |"
      " MB read per op | refused, per seed | \"Dosya Acilamadi!\", per seed |\n"
      "|---|---:|---:|---:|---:|---:|---:|---|---|\n");
  for (std::string t : SATIRLAR) {
    Satir s = satir(p, t);
    std::printf("| %s | %.0f | %.0f | %.0f | %.0f | %.0f | %.1f | %s | %s |\n",
                t.empty() ? "every operation" : t.c_str(), s.adet, s.p50, s.p95, s.kilit,
                s.kilit_en_cok, s.mb, liste(s.red, "%.0f").c_str(), liste(s.acik, "%.0f").c_str());
  }
  std::vector<double> red, acilamadi;
  std::vector<std::vector<double>> bekleme(MASA_SAYISI);
  int hatali = 0;
  for (const Kosu& k : p.kosular) {
    red.push_back(k.yazilamadi);
    acilamadi.push_back(k.acilamadi);
    for (std::size_t d = 0; d < k.bekleme.size() && d < bekleme.size(); ++d) {
      bekleme[d].push_back(k.bekleme[d]);
    }
    hatali += !k.hatalar.empty();
  }
  std::printf("\nrefused (\"Kayit Yazilamadi!\"): %.0f (per seed: %s)\n", ortanca(red),
              liste(red, "%.0f").c_str());
  std::printf("\"Dosya Acilamadi!\" apart: %.0f (per seed: %s)\n", ortanca(acilamadi),
              liste(acilamadi, "%.0f").c_str());
  std::printf("each desk's longest wait for a lock, ms (median; per seed):\n");
  for (std::size_t d = 0; d < bekleme.size(); ++d) {
    std::printf("  desk %zu: %.0f (%s)\n", d + 1, ortanca(bekleme[d]),
                liste(bekleme[d], "%.0f").c_str());
  }
  if (hatali == 0) {
    std::printf(
        "files checked after every seed: nothing shown as done is missing, nothing"
        " refused is there, no number twice\n");
  }
  for (const Kosu& k : p.kosular) {
    for (const std::string& h : k.hatalar)
      std::printf("FAULT, seed %s: %s\n", k.tohum.c_str(), h.c_str());
  }
}

// This program beside the other: the medians of p50 and p95 and their ratio.
void kiyas_yaz(const Program& a, const Program& b) {
  std::printf(
      "\n%s against %s:\n\n| operation | p50 ms | other p50 ms | ratio | p95 ms |"
      " other p95 ms | ratio |\n|---|---:|---:|---:|---:|---:|---:|\n",
      a.ad.c_str(), b.ad.c_str());
  for (std::string t : SATIRLAR) {
    Satir x = satir(a, t), y = satir(b, t);
    std::printf("| %s | %.0f | %.0f | %.2f | %.0f | %.0f | %.2f |\n",
                t.empty() ? "every operation" : t.c_str(), x.p50, y.p50, x.p50 / y.p50, x.p95,
                y.p95, x.p95 / y.p95);
  }
}

int ozetle(int argc, char** argv) {
  std::vector<Program> programlar;
  bool dogru = true;
  for (int i = 2; i < argc; ++i) {
    std::ifstream f(argv[i]);
    std::string satir_metni;
    Kosu* k = nullptr;
    while (std::getline(f, satir_metni)) {
      std::istringstream s(satir_metni);
      std::string tur;
      s >> tur;
      if (tur == "run") {
        Program yeni;
        std::string tohum;
        s >> yeni.ad >> tohum >> yeni.mbps >> yeni.gecikme >> yeni.slot;
        auto p = std::find_if(programlar.begin(), programlar.end(),
                              [&](const Program& x) { return x.ad == yeni.ad; });
        if (p == programlar.end()) p = programlar.insert(programlar.end(), yeni);
        p->kosular.emplace_back().tohum = tohum;
        k = &p->kosular.back();
      } else if (k != nullptr && tur == "op") {
        std::string masa, ad, etki;
        double ms, kilit, okunan;
        int yazilamadi, acilamadi;
        s >> masa >> ad >> ms >> kilit >> okunan >> yazilamadi >> acilamadi >> etki;
        k->ms[ad].push_back(ms);
        k->kilit[ad].push_back(kilit);
        k->okunan[ad].push_back(okunan);
        k->red[ad].push_back(yazilamadi > 0);
        k->acik[ad].push_back(acilamadi > 0);
        k->yazilamadi += yazilamadi > 0;
        k->acilamadi += acilamadi > 0;
        ++k->islem;
      } else if (k != nullptr && tur == "desk") {
        std::string masa;
        double bekleme;
        s >> masa >> bekleme;
        k->bekleme.push_back(bekleme);
      } else if (k != nullptr && tur == "check") {
        std::string sonuc, metin;
        s >> sonuc;
        std::getline(s, metin);
        if (sonuc != "ok") k->hatalar.push_back(metin);
      }
    }
  }
  for (const Program& p : programlar) {
    program_yaz(p);
    for (const Kosu& k : p.kosular) dogru = dogru && k.hatalar.empty() && k.islem > 0;
  }
  if (programlar.size() == 2) kiyas_yaz(programlar[0], programlar[1]);
  return dogru && !programlar.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--summary") == 0) return ozetle(argc, argv);
  std::string dizin;
  uint64_t tohum = 1;
  Hat hat{PALVO_BIN, SHARED_LINK, "", "", std::to_string(VARSAYILAN_GECIKME_US)};
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--run") dizin = argv[i + 1];
    if (a == "--seed") tohum = std::strtoull(argv[i + 1], nullptr, 10);
    if (a == "--mbps") hat.mbps = argv[i + 1];
    if (a == "--rtt-us") hat.gecikme_us = argv[i + 1];
    if (a == "--program") hat.program = argv[i + 1];
  }
  if (dizin.empty() || hat.mbps.empty()) {
    std::fprintf(stderr,
                 "usage: %s --run FOLDER --seed S --mbps X [--rtt-us U] [--program PROGRAM]\n"
                 "       %s --summary FILE...\n",
                 argv[0], argv[0]);
    return 2;
  }
  std::signal(SIGPIPE, SIG_IGN);
  hat.saat = dizin + "/link.clock";
  return kos(dizin, tohum, hat);
}
