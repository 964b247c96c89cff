// The merge of an operation's change with what another desk wrote to the
// same slot since the read: one table of the record as read, the
// operation's change, the other desk's change, and what must come of them.
#include "store/record_merge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

#include "harness.h"
#include "record_kit.h"

namespace {

using namespace kayit_kiti;
using namespace hasta_alanlari;

using Duzen = std::function<void(hasta&)>;

struct Durum {
  const char* ad;
  Duzen bizim;    // the operation's change to the record as read
  Duzen onlarin;  // the other desk's change, written since
  Degisiklik d;
  Birlesim beklenen;
  Duzen sonuc = {};  // applied to the slot as it stands, for a merge
};

void PrintTo(const Durum& d, std::ostream* os) {
  *os << d.ad;
}

const hasta OKUNAN = kabul_edilmis(hasta_kaydi("12345678901", "Ali Veli", "Yok", 10));

void hic(hasta&) {}
Duzen isim(const char* s) {
  return [s](hasta& k) { koy(k.isim, s); };
}
Duzen il(const char* s) {
  return [s](hasta& k) { koy(k.il, s); };
}
Duzen ucret(double u) {
  return [u](hasta& k) { k.ucret = u; };
}
Duzen ikisi(Duzen a, Duzen b) {
  return [a, b](hasta& k) {
    a(k);
    b(k);
  };
}

const Degisiklik VEZNE = {TCKIMLIK, true, 5};
const Degisiklik CIKIS = {TCKIMLIK | GUVENCE | ZIYARET, true, 0};

const Durum DURUMLAR[] = {
    {"SlotAsRead",
     ikisi(isim("Can Ak"), ucret(-0.0)),
     hic,
     {},
     Birlesim::birlesti,
     ikisi(isim("Can Ak"), ucret(-0.0))},
    {"OtherFields",
     isim("Can Ak"),
     il("Izmir"),
     {},
     Birlesim::birlesti,
     ikisi(isim("Can Ak"), il("Izmir"))},
    {"SameFieldSameBytes", isim("Can Ak"), isim("Can Ak"), {}, Birlesim::birlesti, hic},
    {"SameFieldDiffers", isim("Can Ak"), isim("Eda Su"), {}, Birlesim::cakisti},
    // Only the bytes behind the NUL differ: still another value.
    {"BytesBehindTheNul",
     isim("Can Ak"),
     [](hasta& k) { k.isim[15] = 'x'; },
     {},
     Birlesim::cakisti},
    {"AmountOnTheBalanceAsItStands", ucret(15), ucret(13), VEZNE, Birlesim::birlesti, ucret(18)},
    {"AmountBesideAnEdit", ucret(15), il("Izmir"), VEZNE, Birlesim::birlesti, ucret(15)},
    {"AmountMakesItInfinite",
     ucret(1.5e308 + 5e307),
     ucret(1.5e308),
     {TCKIMLIK, true, 5e307},
     Birlesim::cakisti},
    // Without an amount the balance keeps its bytes, -0.0 as well; a fee of
    // 0 is added all the same, as at one desk.
    {"NoAmountKeepsTheBalance",
     isim("Can Ak"),
     ucret(-0.0),
     {},
     Birlesim::birlesti,
     isim("Can Ak")},
    {"ZeroFeeIsAdded", [](hasta& k) { koy(k.ziyaret.teshis, "Grip"); }, ucret(-0.0), CIKIS,
     Birlesim::birlesti, ikisi([](hasta& k) { koy(k.ziyaret.teshis, "Grip"); }, ucret(0.0))},
    {"FixedFieldChanged", [](hasta& k) { koy(k.ziyaret.teshis, "Grip"); },
     [](hasta& k) { koy(k.guvence, "Ssk"); }, CIKIS, Birlesim::cakisti},
    {"FixedVisitChanged", [](hasta& k) { koy(k.ziyaret.teshis, "Grip"); },
     [](hasta& k) { koy(k.ziyaret.ctarih, "03/01/2024"); }, CIKIS, Birlesim::cakisti},
    {"AnotherNumber", ucret(15), [](hasta& k) { koy(k.tckimlik, "99999999999"); }, VEZNE,
     Birlesim::baskasi},
    // At editing the number is one of the fields.
    {"EditingKeepsTheirNumber",
     isim("Can Ak"),
     [](hasta& k) { koy(k.tckimlik, "99999999999"); },
     {},
     Birlesim::birlesti,
     isim("Can Ak")},
    {"Deleted", isim("Can Ak"), [](hasta& k) { k = bos_kayit(); }, {}, Birlesim::baskasi},
    {"EverythingFixed",
     [](hasta& k) { k = bos_kayit(); },
     ucret(11),
     {TUM_ALANLAR},
     Birlesim::cakisti},
};

class Merge : public ::testing::TestWithParam<Durum> {};

TEST_P(Merge, Fields) {
  const Durum& d = GetParam();
  hasta yeni = OKUNAN, simdi = OKUNAN;
  d.bizim(yeni);
  d.onlarin(simdi);
  hasta sonuc;
  ASSERT_EQ(birlestir(OKUNAN, yeni, simdi, d.d, sonuc), d.beklenen);
  if (d.beklenen != Birlesim::birlesti) return;
  hasta beklenen = simdi;
  d.sonuc(beklenen);
  EXPECT_EQ(bayt(sonuc), bayt(beklenen));
}

INSTANTIATE_TEST_SUITE_P(Case, Merge, ::testing::ValuesIn(DURUMLAR),
                         [](const auto& info) { return std::string(info.param.ad); });

}  // namespace
