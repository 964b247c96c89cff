// Test-side helpers of the patient registry tests: the table of the personal
// fields' rules and the files that cannot be opened, on top of the shared
// record kit.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ostream>
#include <string>
#include <vector>

#include "harness.h"
#include "record_kit.h"
#include "screens.h"
#include "store/records.h"

namespace kayitlar {

using namespace kayit_kiti;

inline const std::string HASTA = "palvo.hasta.dat";

// One personal field's rule as registration and editing apply it. `alan`
// counts in the order of the prompts.
struct AlanDurumu {
  const char* ad;
  int alan;
  std::vector<std::string> reddedilen;  // typed first, each asked again
  std::string kabul;                    // then accepted
  std::string saklanan;                 // and stored so
};

inline void PrintTo(const AlanDurumu& d, std::ostream* os) {
  *os << d.ad;
}

// An operation on a patient file that is missing (it must not be created)
// and on one that cannot be opened (a directory in its place): `govde` typed
// after the login shows `beklenen` both times.
inline void acilamayan_dosya(const std::string& govde, const std::string& beklenen) {
  {
    SCOPED_TRACE("missing file");
    Calisma c;
    oturum(c, govde, beklenen);
    EXPECT_FALSE(c.var(HASTA)) << "the file is never created";
  }
  {
    SCOPED_TRACE("a directory in its place");
    Calisma c;
    ASSERT_EQ(mkdir(c.yol(HASTA).c_str(), 0755), 0);
    oturum(c, govde, beklenen);
  }
}

}  // namespace kayitlar
