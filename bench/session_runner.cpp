// Times whole-program sessions over generated patient and archive files, the
// way a member of staff uses the program, with the keys fed on standard input:
// a lookup that misses, a lookup of the last patient, a name search, the list
// (to /dev/null), the report, an archive view, a payment on the last patient
// (which shows the list after it) and the registration of one new patient
// (cut off the file again after each run). Each session is timed side
// by side with the floor of any scan, reading the same files in 1 MiB blocks
// as `dd bs=1M` does, and the list and the report also with a straightforward
// printf program that writes the same bytes. Every figure is the median of
// several runs in this one process; peak memory is the child's own.
//
//   session_runner [--sizes 10000,100000,1000000] [--runs R] [--compare PROGRAM]
//
// With --compare, every session also runs with another build of the program
// on the same files, the two taking turns in each round, and both are checked.
//
// The runner starts itself for the floor and the printf program, so that each
// of them is a process of its own, as the program is:
//   session_runner --floor FILE...
//   session_runner --printf-list FILE
//   session_runner --printf-report FILE OUT
#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "patient_generator.h"
#include "printf_card.h"
#include "store/records.h"

namespace {

// ---- The processes the runner starts for itself ----

unsigned char okuma_blogu[1 << 20];

int taban(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    int fd = open(argv[i], O_RDONLY);
    if (fd < 0) return 1;
    while (read(fd, okuma_blogu, sizeof okuma_blogu) > 0) {
    }
    close(fd);
  }
  return 0;
}

// The heading and a card for every patient in use of `f`, one record at a
// time through the C stream; answers the number of cards.
int printf_kartlar(FILE* f, FILE* cikis) {
  printf_baslik(cikis);
  hasta k;
  int i = 0;
  while (std::fread(&k, sizeof k, 1, f) == 1) {
    if (k.dolu != DOLU) continue;
    printf_kart(cikis, k);
    ++i;
  }
  return i;
}

// The list screen's part that a printf program would print: the heading, the
// cards, the count line.
int printf_liste(const char* yol) {
  FILE* f = std::fopen(yol, "rb");
  if (f == nullptr) return 1;
  std::printf("\n");
  int i = printf_kartlar(f, stdout);
  std::fclose(f);
  if (i == 0) {
    std::printf("\nKayitli Hasta Yok!");
  } else {
    std::printf("\n(Toplam %d hasta kayitli)", i);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int printf_rapor(const char* yol, const char* cikti) {
  FILE* f = std::fopen(yol, "rb");
  if (f == nullptr) return 1;
  FILE* r = std::fopen(cikti, "w");
  if (r == nullptr) return 1;
  std::fprintf(r, "\n(Toplam %d hasta kayitli)", printf_kartlar(f, r));
  std::fclose(f);
  return std::fclose(r) == 0 ? 0 : 1;
}

// ---- Running a child ----

struct Olcum {
  double ms = 0;
  long tepe_kb = 0;   // peak resident memory
  double cpu_ms = 0;  // user and system time
  bool tamam = false;
};

std::string oku(const std::string& yol) {
  std::string s;
  FILE* f = std::fopen(yol.c_str(), "rb");
  if (f == nullptr) return s;
  char t[1 << 16];
  std::size_t n;
  while ((n = std::fread(t, 1, sizeof t, f)) > 0) s.append(t, n);
  std::fclose(f);
  return s;
}

// The high-water mark of resident memory of a stopped process's own
// address space, in KiB.
long tepe_bellek(pid_t pid) {
  std::string durum = oku("/proc/" + std::to_string(pid) + "/status");
  std::size_t i = durum.find("VmHWM:");
  return i == std::string::npos ? 0 : std::strtol(durum.c_str() + i + 6, nullptr, 10);
}

// Runs `arg` in `dizin` with `girdi` on standard input and standard output
// going to `cikti` (/dev/null when empty). The child's peak memory is read
// from its own address space as it exits: the peak that wait4 reports would
// also count the copy of this runner that the child was before its exec.
Olcum calistir(const std::vector<std::string>& arg, const std::string& dizin,
               const std::string& girdi, const std::string& cikti = "") {
  Olcum o;
  int boru[2];
  if (pipe(boru) != 0) return o;
  // A session's keys are a few dozen bytes: they fit in the pipe at once.
  if (write(boru[1], girdi.data(), girdi.size()) != static_cast<ssize_t>(girdi.size())) return o;
  close(boru[1]);
  std::vector<char*> argv;
  for (const std::string& a : arg) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  auto bas = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    int cik = cikti.empty() ? open("/dev/null", O_WRONLY)
                            : open(cikti.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int bos = open("/dev/null", O_WRONLY);
    if (chdir(dizin.c_str()) != 0 || cik < 0 || bos < 0) _exit(127);
    dup2(boru[0], 0);
    dup2(cik, 1);
    dup2(bos, 2);
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(boru[0]);
  if (pid < 0) return o;
  int durum = 0;
  struct rusage ru;
  std::memset(&ru, 0, sizeof ru);
  bool ilk = true;
  for (;;) {
    if (wait4(pid, &durum, 0, &ru) < 0) continue;
    if (!WIFSTOPPED(durum)) break;
    int sinyal = 0;
    if (ilk) {
      // Stopped behind its exec: ask to be stopped once more at its exit.
      ilk = false;
      ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
    } else if (durum >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      o.tepe_kb = tepe_bellek(pid);
    } else {
      sinyal = WSTOPSIG(durum);  // a signal of its own: hand it on
    }
    ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(static_cast<long>(sinyal)));
  }
  auto son = std::chrono::steady_clock::now();
  o.ms = std::chrono::duration<double, std::milli>(son - bas).count();
  o.cpu_ms = (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 +
             (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
  o.tamam = WIFEXITED(durum) && WEXITSTATUS(durum) == 0;
  return o;
}

double ortanca(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// ---- The sessions ----

// What a session's result is checked against beyond its screen: the printf
// program's list or report, or the one patient the registration appends.
enum class Kiyas { yok, liste, rapor, kayit };

struct Oturum {
  const char* ad;
  std::string girdi;               // the keys after the login
  std::string dizin;               // the working folder
  std::vector<std::string> taban;  // the files the session scans whole
  Kiyas kiyas;
  std::vector<std::string> olmali;    // texts its screen must show
  std::vector<std::string> olmamali;  // and must not
  std::vector<double> sure, taban_sure, printf_sure;
  long tepe_kb = 0;
  // With --compare: the other build's times, and both builds' CPU times.
  std::vector<double> karsi_sure = {}, cpu = {}, karsi_cpu = {};
};

const char* const GIRIS = "nobet\nnobet\n";

std::string kendi_yolu;  // this program, for the floor and the printf program
std::string karsi_yolu;  // the other build of the program, with --compare
std::string rapor_yolu(const std::string& dizin) {
  return dizin + "/" + RAPOR_DOSYASI;
}

Olcum oturum_calistir(const Oturum& o, const std::string& cikti = "",
                      const std::string& program = PALVO_BIN) {
  return calistir({program}, o.dizin, GIRIS + o.girdi + "x14\n", cikti);
}

// The answers of a registration, the number first; an empty social
// security is stored as "Yok".
std::string kayit_girdisi(const std::string& tc) {
  return "1\n" + tc + "\nali veli\ne\n01/02/2000\nankara\nab rh+\ncad 1\nankara\ncankaya\n" +
         "5321234567\nevli\n\n";
}

// After a registration: the file of `eski_boy` bytes has grown by exactly the
// one patient typed, number `tc`. It is cut back to `eski_boy` either way, so
// that every run registers into the same file.
bool kayit_geri_al(const std::string& yol, off_t eski_boy, const std::string& tc) {
  struct stat st;
  hasta k;
  bool tamam = stat(yol.c_str(), &st) == 0 && st.st_size == eski_boy + off_t{sizeof k};
  FILE* f = std::fopen(yol.c_str(), "rb");
  if (f != nullptr) {
    tamam = tamam && std::fseek(f, eski_boy, SEEK_SET) == 0 && std::fread(&k, sizeof k, 1, f) == 1;
    std::fclose(f);
  } else {
    tamam = false;
  }
  tamam = tamam && k.dolu == DOLU && tc == k.tckimlik && std::strcmp(k.isim, "Ali Veli") == 0 &&
          std::strcmp(k.guvence, "Yok") == 0;
  return truncate(yol.c_str(), eski_boy) == 0 && tamam;
}

Olcum taban_calistir(const Oturum& o) {
  std::vector<std::string> arg = {kendi_yolu, "--floor"};
  arg.insert(arg.end(), o.taban.begin(), o.taban.end());
  return calistir(arg, o.dizin, "");
}

Olcum printf_calistir(const Oturum& o, const std::string& hasta_yolu, const std::string& ref_dizin,
                      const std::string& cikti = "") {
  if (o.kiyas == Kiyas::liste) {
    return calistir({kendi_yolu, "--printf-list", hasta_yolu}, ref_dizin, "", cikti);
  }
  return calistir({kendi_yolu, "--printf-report", hasta_yolu, rapor_yolu(ref_dizin)}, ref_dizin,
                  "");
}

bool iceriyor(const std::string& s, const std::string& parca) {
  return s.find(parca) != std::string::npos;
}

// The list screen of the program holds the printf program's bytes exactly,
// between its header and the return prompt.
bool liste_ayni(const std::string& program, const std::string& referans) {
  const std::string bas = "===== HASTA LISTELEME =====\n";
  std::size_t i = program.find(bas);
  if (i == std::string::npos) return false;
  i += bas.size();
  const std::string donus = "\n\n(Ana menuye donmek icin bir tusa basiniz)";
  return program.compare(i, referans.size(), referans) == 0 &&
         program.compare(i + referans.size(), donus.size(), donus) == 0;
}

struct Satir {
  long n;
  const char* ad;
  double ms, taban_ms, printf_ms;
  long tepe_kb;
  double karsi_ms;                 // the other build's median, with --compare
  double oran_en_az, oran_en_cok;  // the lowest and highest ratio of one round
  double cpu_ms, karsi_cpu_ms;     // both builds' median CPU time
};

void makine_yaz() {
  struct utsname u;
  uname(&u);
  std::string model;
  std::string cpuinfo = oku("/proc/cpuinfo");
  std::size_t i = cpuinfo.find("model name");
  if (i != std::string::npos) {
    std::size_t a = cpuinfo.find(':', i) + 2;
    model = cpuinfo.substr(a, cpuinfo.find('\n', a) - a);
  }
  std::printf("machine: %s, %ld cores online, %s %s\n", model.c_str(),
              sysconf(_SC_NPROCESSORS_ONLN), u.sysname, u.release);
}

// Runs every session at `n` patients; false when a session failed or the
// program's bytes differ from the printf program's.
bool olc(long n, int kosu, std::vector<Satir>& satirlar) {
  std::string kok = std::string(BENCH_DATA_DIR) + "/n" + std::to_string(n);
  std::string hdizin = kok + "/patients", adizin = kok + "/archive", rdizin = kok + "/printf";
  for (const std::string& d : {std::string(BENCH_DATA_DIR), kok, hdizin, adizin, rdizin}) {
    mkdir(d.c_str(), 0755);
  }
  std::string hasta_yolu = hdizin + "/" + HASTA_DOSYASI;
  std::string arsiv_yolu = adizin + "/" + ARSIV_DOSYASI;
  std::string hasta_bagi = adizin + "/" + HASTA_DOSYASI;
  auto bas = std::chrono::steady_clock::now();
  if (!dosyalari_uret(n, hasta_yolu, arsiv_yolu)) {
    std::fprintf(stderr, "cannot write %s\n", kok.c_str());
    return false;
  }
  // The archive view's folder shares the very same patient file.
  unlink(hasta_bagi.c_str());
  if (link(hasta_yolu.c_str(), hasta_bagi.c_str()) != 0) return false;
  double uretim = std::chrono::duration<double>(std::chrono::steady_clock::now() - bas).count();
  UretimBilgisi b = uretim_bilgisi(n);
  struct stat st;
  if (stat(hasta_yolu.c_str(), &st) != 0) return false;
  const off_t hasta_boyu = st.st_size;
  std::printf(
      "\nN = %ld: %ld patients in use, %.1f MB patient file, %.1f MB archive, written in %.1f s\n",
      n, b.kullanilan, n * 376 / 1e6, n * 184 / 1e6, uretim);
  std::fflush(stdout);

  const std::string kart_basi = "\n" + b.son_tc + " ";
  std::vector<Oturum> oturumlar = {
      {"lookup, miss",
       "11\n" + b.olmayan_tc + "\n",
       hdizin,
       {hasta_yolu},
       Kiyas::yok,
       {"Bulunamadi!"},
       {},
       {},
       {},
       {}},
      {"lookup, last patient",
       "11\n" + b.son_tc + "\n",
       hdizin,
       {hasta_yolu},
       Kiyas::yok,
       {kart_basi, "\n\nDosya Acilamadi!"},
       {"Bulunamadi!"},
       {},
       {},
       {}},
      {"name search",
       "7\n" + b.arama + "\n",
       hdizin,
       {hasta_yolu},
       Kiyas::yok,
       {"Zeynep "},
       {"Bulunamadi!"},
       {},
       {},
       {}},
      {"list to /dev/null", "4\n", hdizin, {hasta_yolu}, Kiyas::liste, {}, {}, {}, {}, {}},
      {"report",
       "12\n",
       hdizin,
       {hasta_yolu},
       Kiyas::rapor,
       {"Rapor Basari ile Kaydedildi!"},
       {},
       {},
       {},
       {}},
      {"archive view",
       "11\n" + b.son_tc + "\n",
       adizin,
       {hasta_yolu, arsiv_yolu},
       Kiyas::yok,
       {kart_basi, "\n\n 1)  Giris: ("},
       {"Bulunamadi!"},
       {},
       {},
       {}},
      // A payment of 1 on the last patient: the lookup, the rewrite merged
      // with the slot as it stands, and the list after it (to /dev/null).
      {"payment, last patient",
       "8\n" + b.son_tc + "\n1\n",
       hdizin,
       {hasta_yolu},
       Kiyas::yok,
       {kart_basi, "Bakiye: ", "(Toplam "},
       {"Kayit Yazilamadi!", "Dosya Acilamadi!"},
       {},
       {},
       {}},
      // Nothing between the last question and the return prompt: no message.
      {"registration",
       kayit_girdisi(b.olmayan_tc),
       hdizin,
       {hasta_yolu},
       Kiyas::kayit,
       {"Sosyal Guvence: \n\n(Ana menuye donmek icin bir tusa basiniz)"},
       {},
       {},
       {},
       {}},
  };

  // Once with the output kept: the sessions do what they should, and the
  // list and the report are the printf program's bytes. This also warms the
  // page cache.
  bool dogru = true;
  std::string gecici = kok + "/screen.out", ref_gecici = kok + "/printf.out";
  std::vector<std::string> programlar = {PALVO_BIN};
  if (!karsi_yolu.empty()) programlar.push_back(karsi_yolu);
  for (const std::string& program : programlar) {
    for (Oturum& o : oturumlar) {
      bool tamam = oturum_calistir(o, gecici, program).tamam;
      std::string ekran = oku(gecici);
      for (const std::string& t : o.olmali) tamam = tamam && iceriyor(ekran, t);
      for (const std::string& t : o.olmamali) tamam = tamam && !iceriyor(ekran, t);
      if (o.kiyas == Kiyas::liste) {
        tamam = tamam && printf_calistir(o, hasta_yolu, rdizin, ref_gecici).tamam &&
                liste_ayni(ekran, oku(ref_gecici));
      } else if (o.kiyas == Kiyas::rapor) {
        tamam = tamam && printf_calistir(o, hasta_yolu, rdizin).tamam &&
                oku(rapor_yolu(hdizin)) == oku(rapor_yolu(rdizin));
      } else if (o.kiyas == Kiyas::kayit) {
        tamam = kayit_geri_al(hasta_yolu, hasta_boyu, b.olmayan_tc) && tamam;
      }
      if (!tamam) {
        std::printf("  %s: WRONG OUTPUT from %s\n", o.ad, program.c_str());
        dogru = false;
      }
      unlink(rapor_yolu(hdizin).c_str());
      unlink(rapor_yolu(rdizin).c_str());
    }
  }
  unlink(gecici.c_str());
  unlink(ref_gecici.c_str());
  if (dogru) {
    std::printf(
        "  every session checked%s; list and report byte-identical to the printf program;\n"
        "  the registration appended the one patient typed, and was cut off again\n",
        karsi_yolu.empty() ? "" : " with both programs");
  }

  // Side by side: in every round each session runs right after its floor
  // and before its printf program, so all three see the same machine. The
  // other build, if any, runs beside the program, second in even rounds and
  // first in odd ones.
  for (int r = 0; r < kosu; ++r) {
    for (Oturum& o : oturumlar) {
      o.taban_sure.push_back(taban_calistir(o).ms);
      for (int s = 0; s < (karsi_yolu.empty() ? 1 : 2); ++s) {
        bool karsi = !karsi_yolu.empty() && (s + r) % 2 == 1;
        Olcum m = oturum_calistir(o, "", karsi ? karsi_yolu : PALVO_BIN);
        if (!m.tamam) dogru = false;
        if (o.kiyas == Kiyas::kayit && !kayit_geri_al(hasta_yolu, hasta_boyu, b.olmayan_tc)) {
          dogru = false;
        }
        (karsi ? o.karsi_sure : o.sure).push_back(m.ms);
        (karsi ? o.karsi_cpu : o.cpu).push_back(m.cpu_ms);
        if (!karsi) o.tepe_kb = std::max(o.tepe_kb, m.tepe_kb);
        // Each report is written into a folder without one.
        if (o.kiyas == Kiyas::rapor) unlink(rapor_yolu(hdizin).c_str());
      }
      if (o.kiyas == Kiyas::liste || o.kiyas == Kiyas::rapor) {
        o.printf_sure.push_back(printf_calistir(o, hasta_yolu, rdizin).ms);
        unlink(rapor_yolu(rdizin).c_str());
      }
    }
  }
  for (Oturum& o : oturumlar) {
    satirlar.push_back({n, o.ad, ortanca(o.sure), ortanca(o.taban_sure),
                        o.printf_sure.empty() ? 0.0 : ortanca(o.printf_sure), o.tepe_kb,
                        o.karsi_sure.empty() ? 0.0 : ortanca(o.karsi_sure), 0, 0, ortanca(o.cpu),
                        o.karsi_cpu.empty() ? 0.0 : ortanca(o.karsi_cpu)});
    Satir& s = satirlar.back();
    for (std::size_t i = 0; i < o.karsi_sure.size(); ++i) {
      double oran = o.sure[i] / o.karsi_sure[i];
      s.oran_en_az = i == 0 ? oran : std::min(s.oran_en_az, oran);
      s.oran_en_cok = std::max(s.oran_en_cok, oran);
    }
  }
  unlink(hasta_bagi.c_str());
  unlink(arsiv_yolu.c_str());
  unlink(hasta_yolu.c_str());
  rmdir(hdizin.c_str());
  rmdir(adizin.c_str());
  rmdir(rdizin.c_str());
  rmdir(kok.c_str());
  return dogru;
}

// One row a session and N. "above floor" is the program's own work on each
// patient: the time beyond the floor's, which also holds the start of a
// process, divided by N.
void tablo_yaz(const std::vector<Satir>& satirlar) {
  std::printf(
      "\n| N | session | median ms | 1 MiB-read floor ms | x floor |"
      " ns/patient above floor | printf program ms | x printf | peak MiB |\n");
  std::printf("|---:|---|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const Satir& s : satirlar) {
    std::printf("| %ld | %s | %.1f | %.1f | %.2f | %.0f |", s.n, s.ad, s.ms, s.taban_ms,
                s.ms / s.taban_ms, (s.ms - s.taban_ms) * 1e6 / s.n);
    if (s.printf_ms > 0) {
      std::printf(" %.1f | %.2f |", s.printf_ms, s.ms / s.printf_ms);
    } else {
      std::printf(" | |");
    }
    std::printf(" %.1f |\n", s.tepe_kb / 1024.0);
  }
}

// The program beside the other build: the medians, their ratio, the lowest
// and highest ratio of the two in one round, and the same for CPU time, which
// other work on the machine disturbs less than the time on the clock.
void kiyas_yaz(const std::vector<Satir>& satirlar, int kosu) {
  std::printf("\nthis build against %s, %d runs each, taking turns:\n", karsi_yolu.c_str(), kosu);
  std::printf(
      "\n| N | session | this build ms | other build ms | this/other | range of round ratios |"
      " this build CPU ms | other build CPU ms | this/other CPU |\n");
  std::printf("|---:|---|---:|---:|---:|---|---:|---:|---:|\n");
  for (const Satir& s : satirlar) {
    std::printf("| %ld | %s | %.1f | %.1f | %.3f | %.2f to %.2f | %.1f | %.1f | %.3f |\n", s.n,
                s.ad, s.ms, s.karsi_ms, s.ms / s.karsi_ms, s.oran_en_az, s.oran_en_cok, s.cpu_ms,
                s.karsi_cpu_ms, s.cpu_ms / s.karsi_cpu_ms);
  }
}

// The targets, read at the largest N measured.
void hedefler_yaz(const std::vector<Satir>& satirlar) {
  long en_buyuk = 0;
  for (const Satir& s : satirlar) en_buyuk = std::max(en_buyuk, s.n);
  double tepe = 0;
  for (const Satir& s : satirlar) tepe = std::max(tepe, s.tepe_kb / 1024.0);
  std::printf("\ntargets at N = %ld:\n", en_buyuk);
  for (const Satir& s : satirlar) {
    if (s.n != en_buyuk) continue;
    if (std::strcmp(s.ad, "lookup, miss") == 0) {
      std::printf("  lookup miss at most 1.3 x floor: %.2f  %s\n", s.ms / s.taban_ms,
                  s.ms <= 1.3 * s.taban_ms ? "held" : "MISSED");
    }
    if (s.printf_ms > 0) {
      std::printf("  %s at most 0.2 x printf: %.2f  %s\n", s.ad, s.ms / s.printf_ms,
                  s.ms <= 0.2 * s.printf_ms ? "held" : "MISSED");
    }
  }
  std::printf("  peak memory under 8 MiB at every N: %.1f MiB  %s\n", tepe,
              tepe < 8 ? "held" : "MISSED");
}

std::vector<long> boyutlar(const char* metin) {
  std::vector<long> v;
  for (const char* p = metin; *p != '\0';) {
    char* son;
    long n = std::strtol(p, &son, 10);
    if (son == p || n < 1) break;
    v.push_back(n);
    p = *son == ',' ? son + 1 : son;
  }
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--floor") == 0) return taban(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--printf-list") == 0) return printf_liste(argv[2]);
  if (argc == 4 && std::strcmp(argv[1], "--printf-report") == 0) {
    return printf_rapor(argv[2], argv[3]);
  }
  std::vector<long> nler = {10000, 100000, 1000000};
  int kosu = 7;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--sizes") == 0) nler = boyutlar(argv[i + 1]);
    if (std::strcmp(argv[i], "--runs") == 0) kosu = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--compare") == 0) karsi_yolu = argv[i + 1];
  }
  char yol[4096];
  ssize_t n = readlink("/proc/self/exe", yol, sizeof yol - 1);
  if (n <= 0) return 1;
  kendi_yolu.assign(yol, static_cast<std::size_t>(n));

  makine_yaz();
  std::printf("program: %s\nfiles: %s (removed after each N)\n", PALVO_BIN, BENCH_DATA_DIR);
  if (!karsi_yolu.empty()) std::printf("other build: %s\n", karsi_yolu.c_str());
  std::printf("%d runs a session at each N; medians; floor and printf program run side by side\n",
              kosu);
  std::vector<Satir> satirlar;
  bool dogru = true;
  for (long nn : nler) dogru = olc(nn, kosu, satirlar) && dogru;
  tablo_yaz(satirlar);
  if (!karsi_yolu.empty()) kiyas_yaz(satirlar, kosu);
  hedefler_yaz(satirlar);
  if (!dogru) std::printf("\nSOME SESSION FAILED OR PRINTED OTHER BYTES: see above\n");
  return dogru ? 0 : 1;
}
