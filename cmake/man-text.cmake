# Renders a manual page as plain text with CR LF line ends, for readers
# without `man` (Notepad): cmake -DKAYNAK=page.1 -DHEDEF=page.txt -P man-text.cmake
# Plain ASCII, no hyphenation, no bold or underline by overstriking.
execute_process(
  COMMAND groff -man -Tascii -rHY=0 -P-c -P-b -P-o -P-u -ww ${KAYNAK}
  OUTPUT_VARIABLE metin
  ERROR_VARIABLE uyarilar
  RESULT_VARIABLE sonuc)
if(NOT sonuc EQUAL 0 OR NOT uyarilar STREQUAL "")
  message(FATAL_ERROR "groff could not render ${KAYNAK}: ${sonuc}\n${uyarilar}")
endif()
string(REPLACE "\n" "\r\n" metin "${metin}")
file(WRITE ${HEDEF} "${metin}")
