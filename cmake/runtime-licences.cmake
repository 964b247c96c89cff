# Writes the licence notices of the runtime libraries that MinGW-w64 links
# statically into palvo.exe, as one plain-text file with CR LF line ends:
#   cmake -DBASLIK=LISANSLAR.txt -DHEDEF=out.txt -P runtime-licences.cmake
# The texts are the copyright files of the Debian packages that ship the
# libraries, so they are those of the toolchain that built the program.
set(bolumler
    "libstdc++ (g++-mingw-w64-x86-64-posix)|/usr/share/doc/g++-mingw-w64-x86-64-posix/copyright"
    "libgcc (gcc-mingw-w64-x86-64-posix)|/usr/share/doc/gcc-mingw-w64-x86-64-posix/copyright"
    "MinGW-w64 runtime, winpthreads (mingw-w64-x86-64-dev)|/usr/share/doc/mingw-w64-x86-64-dev/copyright"
    "GNU General Public License, version 3|/usr/share/common-licenses/GPL-3")

file(READ ${BASLIK} metin)
set(okunanlar)
foreach(bolum ${bolumler})
  string(REPLACE "|" ";" parcalar "${bolum}")
  list(GET parcalar 0 ad)
  list(GET parcalar 1 yol)
  if(NOT EXISTS ${yol})
    message(FATAL_ERROR "missing ${yol}: the licence notices of ${ad}")
  endif()
  file(READ ${yol} icerik)
  string(APPEND metin "\n\n======================================================================\n"
         "${ad}\n${yol}\n"
         "======================================================================\n\n")
  # The same text under two packages is written once.
  set(ayni "")
  foreach(onceki ${okunanlar})
    file(READ ${onceki} onceki_icerik)
    if(onceki_icerik STREQUAL icerik)
      set(ayni ${onceki})
    endif()
  endforeach()
  if(ayni)
    string(APPEND metin "The same text as ${ayni} above.\n")
  else()
    string(APPEND metin "${icerik}")
  endif()
  list(APPEND okunanlar ${yol})
endforeach()
string(REPLACE "\r\n" "\n" metin "${metin}")
string(REPLACE "\n" "\r\n" metin "${metin}")
file(WRITE ${HEDEF} "${metin}")
