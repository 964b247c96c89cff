# Installation and the packages a hospital's IT staff install: for Windows a
# Windows Installer package and a .zip, each with palvo.exe, a short start
# text, the manual as text and the licences; and a Debian package that puts
# `palvo` into the path with its manual page.
set(palvo_kilavuz ${PROJECT_SOURCE_DIR}/packaging/palvo.1)
if(WIN32)
  # Notepad wants CR LF.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/OKUBENI.txt ${PROJECT_BINARY_DIR}/OKUBENI.txt
                 NEWLINE_STYLE CRLF)
  # The manual page, rendered as text: the same words as `man palvo`.
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/palvo.txt
    COMMAND ${CMAKE_COMMAND} -DKAYNAK=${palvo_kilavuz} -DHEDEF=${PROJECT_BINARY_DIR}/palvo.txt
            -P ${PROJECT_SOURCE_DIR}/cmake/man-text.cmake
    DEPENDS ${palvo_kilavuz} ${PROJECT_SOURCE_DIR}/cmake/man-text.cmake
    VERBATIM)
  # The licences of the runtime libraries linked into palvo.exe.
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/LISANSLAR.txt
    COMMAND ${CMAKE_COMMAND} -DBASLIK=${PROJECT_SOURCE_DIR}/packaging/LISANSLAR.txt
            -DHEDEF=${PROJECT_BINARY_DIR}/LISANSLAR.txt
            -P ${PROJECT_SOURCE_DIR}/cmake/runtime-licences.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/LISANSLAR.txt
            ${PROJECT_SOURCE_DIR}/cmake/runtime-licences.cmake
    VERBATIM)
  add_custom_target(palvo_paket_metinleri ALL DEPENDS ${PROJECT_BINARY_DIR}/palvo.txt
                                                      ${PROJECT_BINARY_DIR}/LISANSLAR.txt)
  install(TARGETS palvo RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/OKUBENI.txt ${PROJECT_BINARY_DIR}/palvo.txt
                ${PROJECT_BINARY_DIR}/LISANSLAR.txt DESTINATION .)
  # The Windows Installer package beside the zip (`make package` builds the
  # target after CPack): palvo-1.0.N-windows-x64.msi, where N is the package
  # revision, palvo_msi_revizyonu of CMakeLists.txt (set there, before
  # palvo.rc takes it). Windows Installer replaces an installed package only
  # by a higher version (wixl writes the upgrade's upper bound as exclusive),
  # so a rebuilt 1.0.N upgrades nothing. The upgrade code ties every version
  # together: never change it.
  set(palvo_msi_yukseltme_kodu F688D2EB-259E-4D62-BD4F-549F53F6963C)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/msi.cmake.in ${PROJECT_BINARY_DIR}/msi.cmake @ONLY)
  add_custom_target(
    palvo_msi
    COMMAND ${CMAKE_COMMAND} -P ${PROJECT_BINARY_DIR}/msi.cmake
    DEPENDS palvo palvo_paket_metinleri
    VERBATIM)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME palvo-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  include(GNUInstallDirs)
  install(TARGETS palvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Debian keeps manual pages and changelogs compressed, without a name or a
  # time stamp in the gzip header (gzip -9n), so that the package's bytes do
  # not change with the day it is built.
  set(sikistirilanlar)
  foreach(dosya palvo.1 changelog)
    set(kopya ${PROJECT_BINARY_DIR}/debian/${dosya})
    add_custom_command(
      OUTPUT ${kopya}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${dosya} ${kopya}
      COMMAND gzip -9nf ${kopya}
      DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${dosya}
      VERBATIM)
    list(APPEND sikistirilanlar ${kopya}.gz)
  endforeach()
  add_custom_target(palvo_debian_belgeleri ALL DEPENDS ${sikistirilanlar})
  install(FILES ${PROJECT_BINARY_DIR}/debian/palvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(belgeler ${CMAKE_INSTALL_DATAROOTDIR}/doc/palvo)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${belgeler})
  install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${belgeler}
          RENAME changelog.Debian.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME palvo)
  set(CPACK_GENERATOR DEB)
  # 1.0-1: the program's version 1.0, and the first Debian package of it.
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  # The extended description; CPack puts the summary line above it.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "A member of staff logs in and works from a numbered main menu: registering,
editing, deleting, listing and searching patients; admission; discharge with
diagnosis, medication and an examination fee; the cashier; the examination
archive; staff accounts; password change; a text report; an About screen.
The screens are Turkish, in plain ASCII.

The program keeps its data in fixed-size binary record files in the
directory it is started from; the built-in account nobet (password nobet)
always logs in.")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

set(CPACK_PACKAGE_NAME palvo)
set(CPACK_PACKAGE_VENDOR "${palvo_yapimci}")
set(CPACK_PACKAGE_CONTACT "${palvo_yapimci} <destek@palvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text-mode patient management for a hospital, one desk or several")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/paket)
set(CPACK_STRIP_FILES ON)
include(CPack)
