// Writes a patient file and an archive of N records each into a folder:
//   generate_files N FOLDER
#include <cstdio>
#include <cstdlib>
#include <string>

#include "patient_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s N FOLDER\n", argv[0]);
    return 2;
  }
  long n = std::strtol(argv[1], nullptr, 10);
  if (n < 1) {
    std::fprintf(stderr, "N must be at least 1\n");
    return 2;
  }
  std::string dizin = argv[2];
  if (!dosyalari_uret(n, dizin + "/" + HASTA_DOSYASI, dizin + "/" + ARSIV_DOSYASI)) {
    std::perror(dizin.c_str());
    return 1;
  }
  UretimBilgisi b = uretim_bilgisi(n);
  std::printf("%ld patients (%ld in use), %ld examinations; last patient %s\n", n, b.kullanilan, n,
              b.son_tc.c_str());
  return 0;
}
