// The program at the console as a clerk meets it: palvo.exe started on this
// console in a directory of its own, driven key by key through the
// console's input, and watched through the console's screen buffer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gecici_dosya.h"
#include "konsol_kit.h"

namespace {

using namespace konsol_kiti;
using konsol_kiti::operator+;

constexpr std::size_t HASTA = 376;
constexpr std::size_t PERSONEL = 44;
const wchar_t* const DONUS = L"(Ana menuye donmek icin bir tusa basiniz)";

// A text of code page 857 bytes into a field of a record.
void koy(std::string& kayit, std::size_t yer, const std::string& metin) {
  kayit.replace(yer, metin.size(), metin);
}

// A patient in use with the twelve personal fields and nothing else.
std::string hasta(const std::string& tc, const std::string& isim, const std::string& dogum_yer) {
  std::string k(HASTA, '\0');
  k[0] = 1;
  koy(k, 4, tc);
  koy(k, 24, isim);
  koy(k, 44, "E");
  koy(k, 46, "01/02/1990");
  koy(k, 66, dogum_yer);
  koy(k, 86, "Evli");
  koy(k, 96, "Ssk");
  koy(k, 106, "A Rh+");
  koy(k, 116, "Ata Cad");
  koy(k, 156, "Igdir");
  koy(k, 176, "Merkez");
  koy(k, 196, "5321234567");
  return k;
}

std::string personel(const std::string& isim, const std::string& sifre) {
  std::string k(PERSONEL, '\0');
  k[0] = 1;
  koy(k, 4, isim);
  koy(k, 24, sifre);
  return k;
}

// Code page 857: the letters of the names below.
const std::string SUKRU_OZTURK = "\x9E\x81kr\x81 \x99zt\x81rk";
const std::string IGDIR =
    "I\xA7"
    "d\x8Dr";
const std::string GULSEN =
    "G\x81l\x9F"
    "en";

std::wstring sol(const std::wstring& s, std::size_t genislik) {
  return s.size() < genislik ? s + std::wstring(genislik - s.size(), L' ') : s;
}

// The list screen's end for the patient above, as its card spells it.
std::wstring liste_sonu(const std::wstring& isim, const std::wstring& dogum_yer) {
  return L"12345678901 " + sol(isim, 20) + L" E 01/02/1990 " + sol(dogum_yer, 10) +
         L" Evli   A Rh+\n     Giris: (Yapilmadi)\n     Cikis: (Yapilmadi)\n"
         L"   Muayene: (Yapilmadi)\n     Ucret: (0.00 TL)\n"
         L"  Iletisim: (Ata Cad Merkez/Igdir) (Tel: 5321234567)\n\n\n"
         L"(Toplam 1 hasta kayitli)\n\n" +
         DONUS;
}

// A cleared screen: the list's header stands at the top of the buffer.
const std::wstring LISTE_BASI =
    L"PALVO HASTANE OTOMASYONU 1.0 (nobet)\n===== HASTA LISTELEME =====\n\nTC KIMLIK";

// One step of a person at the console: waits until the screen ends with
// `son` (and starts with `ust`, when given), within `ms` of the keys before
// it, then types `tuslar`.
struct Adim {
  std::wstring son;
  Tuslar tuslar;
  std::wstring ust = L"";
  DWORD ms = 10000;
};

std::vector<Adim> giris(const std::wstring& isim, const Tuslar& sifre) {
  return {{L"Kullanici Adi:", yazi(isim + L"\r")}, {L"Sifre:", sifre}};
}

// Registration of the patient above from the menu, the birth place typed as
// `dogum_yeri`, then the list.
std::vector<Adim> kayit_ve_liste(const std::vector<Adim>& dogum_yeri, const std::wstring& liste) {
  const std::vector<Adim> once = {{L"Seciminiz:", yazi(L"1\r")},
                                  {L"TC Kimlik No:", yazi(L"12345678901\r")},
                                  {L"Ad&Soyad:", yazi(L"Şükrü Öztürk\r")},
                                  {L"Cinsiyet (Erkek:E Kadin:K):", yazi(L"E\r")},
                                  {L"Dogum Tarihi (Gun/Ay/Yil):", yazi(L"01/02/1990\r")}};
  const std::vector<Adim> sonra = {{L"Kan Grubu:", yazi(L"A Rh+\r")},
                                   {L"Adres:", yazi(L"Ata Cad\r")},
                                   {L"Il:", yazi(L"Igdir\r")},
                                   {L"Ilce:", yazi(L"Merkez\r")},
                                   {L"Telefon No (0 Olmadan):", yazi(L"5321234567\r")},
                                   {L"Medeni Hal:", yazi(L"Evli\r")},
                                   {L"Sosyal Guvence:", yazi(L"Ssk\r")},
                                   {DONUS, yazi(L"x")},
                                   {L"Seciminiz:", yazi(L"4\r")},
                                   {liste, yazi(L"x"), LISTE_BASI}};
  return once + dogum_yeri + sonra;
}

// The program, as Windows names it (the build gives a path of this machine).
std::string program() {
  const char* p = std::getenv("PALVO_EXE");
  std::string yol = p != nullptr ? p : PALVO_EXE;
  if (!yol.empty() && yol[0] == '/') {
    yol = "Z:" + yol;
    for (char& c : yol) c = c == '/' ? '\\' : c;
  }
  return yol;
}

struct Senaryo {
  const char* ad;
  std::vector<std::pair<const char*, std::string>> dosyalar;  // at the start
  std::vector<Adim> adimlar;
  std::string hasta_sonra;  // the patient file at the end
  // Another program left the console's virtual-terminal input on: off while
  // the program reads, back on once it has ended.
  bool vt_girdisi = false;
};

constexpr DWORD VT_GIRDISI = 0x0200;  // ENABLE_VIRTUAL_TERMINAL_INPUT

bool vt_girdisi_acik() {
  DWORD kip = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &kip) && (kip & VT_GIRDISI) != 0;
}

// Runs one scenario to the end of the program; files as given, exit status 0.
void calistir(const Senaryo& s) {
  SCOPED_TRACE(s.ad);
  GeciciDizin dizin;
  for (const auto& [ad, bayt] : s.dosyalar) dosya_yaz(dizin.yol(ad), bayt);
  HANDLE giris = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(giris);
  DWORD ilk_kip = 0;
  ASSERT_TRUE(GetConsoleMode(giris, &ilk_kip));
  if (s.vt_girdisi) {
    ASSERT_TRUE(SetConsoleMode(giris, ilk_kip | VT_GIRDISI));
  }
  std::string komut = "\"" + program() + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(CreateProcessA(nullptr, komut.data(), nullptr, nullptr, TRUE, 0, nullptr, dizin.ad(),
                             &si, &pi))
      << komut;
  DWORD tus_ani = GetTickCount();
  for (std::size_t i = 0; i < s.adimlar.size() && !testing::Test::HasFatalFailure(); ++i) {
    const Adim& a = s.adimlar[i];
    bool tamam = ekran_bekle(a.son);
    DWORD gecen = GetTickCount() - tus_ani;
    std::wstring e = ekran();
    EXPECT_TRUE(tamam && e.compare(0, a.ust.size(), a.ust) == 0)
        << "step " << i << ": the screen is\n"
        << testing::PrintToString(e);
    if (!tamam) break;
    if (a.ms < 10000) {
      std::printf("\n%s: step %zu on the screen %lu ms after its key\n", s.ad, i, gecen);
      EXPECT_LE(gecen, a.ms) << "step " << i;
    }
    if (s.vt_girdisi) {
      EXPECT_FALSE(vt_girdisi_acik()) << "step " << i;
    }
    ASSERT_TRUE(bas(a.tuslar));
    tus_ani = GetTickCount();
  }
  bool bitti = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
  if (!bitti) TerminateProcess(pi.hProcess, 1);
  DWORD cikis = 1;
  GetExitCodeProcess(pi.hProcess, &cikis);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_TRUE(bitti && cikis == 0) << cikis;
  if (s.vt_girdisi) {
    EXPECT_TRUE(vt_girdisi_acik()) << "after the end";
  }
  SetConsoleMode(giris, ilk_kip);
  EXPECT_EQ(dosya_oku(dizin.yol("palvo.hasta.dat")), s.hasta_sonra);
}

const std::vector<Adim> NOBET = giris(L"nobet", yazi(L"nobet\r"));
const std::vector<Adim> SON = {{L"Seciminiz:", yazi(L"14\r")}};
const std::string SUKRU = hasta("12345678901", SUKRU_OZTURK, IGDIR);
const std::wstring GULSEN_BASLIGI = L"PALVO HASTANE OTOMASYONU 1.0 (Gülşen)\n=====";

// The list of 20 patients, on the screen within 300 ms of Enter.
const std::vector<Adim> LISTE_20 = {
    {L"Seciminiz:", yazi(L"4\r")},
    {L"(Toplam 20 hasta kayitli)\n\n" + std::wstring(DONUS), yazi(L"x"), L"", 300}};

std::string yirmi_hasta() {
  std::string s;
  for (int i = 0; i < 20; ++i) s += hasta("123456789" + std::to_string(10 + i), "Ali Veli", "Van");
  return s;
}

// Each scenario runs in a test of its own, on a console of its own (see
// CMakeLists.txt): a program that fails one leaves the console's input
// behind in a state no later scenario should meet.
const std::vector<Senaryo> SENARYOLAR = {
    {"TurkishLettersAsTyped",
     {},
     NOBET +
         kayit_ve_liste({{L"Dogum Yeri:", yazi(L"Iğdır\r")}},
                        liste_sonu(L"Şükrü Öztürk", L"Iğdır")) +
         SON,
     SUKRU},
    {"CtrlZInALineIsRefused",
     {},
     NOBET +
         kayit_ve_liste(
             {{L"Dogum Yeri:", yazi(L"Iz\x1Amir\r")}, {L"mir\nDogum Yeri:", yazi(L"Izmir\r")}},
             liste_sonu(L"Şükrü Öztürk", L"Izmir")) +
         SON,
     hasta("12345678901", SUKRU_OZTURK, "Izmir")},
    {"AltNumpadLetterInAPassword",
     {{"palvo.per.dat", personel(GULSEN, "a\x9Fk12")}},
     giris(L"Gülşen", yazi(L"a") + alt_ile(L'ş', "0159") + yazi(L"k12\r")) +
         std::vector<Adim>{{L"Seciminiz:", yazi(L"13\r"), GULSEN_BASLIGI},
                           {DONUS, yazi(L"x"), GULSEN_BASLIGI},
                           {L"Seciminiz:", yazi(L"14\r"), GULSEN_BASLIGI}},
     ""},
    {"AHeldKeyAnswersOneQuestion",
     {{"palvo.hasta.dat", SUKRU}},
     NOBET +
         std::vector<Adim>{
             {L"Seciminiz:", yazi(L"4\r")},
             {DONUS, {tus_olayi(true, 'E', L'E', 3, SHIFT_PRESSED), tus_olayi(false, 'E', L'E')}},
             {L"Seciminiz:", yazi(L"3\r")},
             {L"TC Kimlik veya Isim:", yazi(L"12345678901\r")},
             {L"Emin Misiniz (E-H):", yazi(L"h")},
             {liste_sonu(L"Şükrü Öztürk", L"Iğdır"), yazi(L"x"), LISTE_BASI}} +
         SON,
     SUKRU},
    {"VirtualTerminalInputOffWhileRunning",
     {{"palvo.hasta.dat", SUKRU}},
     NOBET +
         std::vector<Adim>{{L"Seciminiz:", yazi(L"4\r")},
                           {liste_sonu(L"Şükrü Öztürk", L"Iğdır"), yazi(L"x"), LISTE_BASI}} +
         SON,
     SUKRU,
     true},
    {"TwentyPatientsListedFast",
     {{"palvo.hasta.dat", yirmi_hasta()}},
     NOBET + LISTE_20 + LISTE_20 + SON,
     yirmi_hasta()},
};

class KonsolOturumu : public testing::TestWithParam<Senaryo> {};

TEST_P(KonsolOturumu, AsAClerkTypesIt) {
  calistir(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Case, KonsolOturumu, testing::ValuesIn(SENARYOLAR),
                         [](const testing::TestParamInfo<Senaryo>& i) { return i.param.ad; });

}  // namespace
