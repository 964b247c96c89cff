# Installation and the two packages a hospital's IT staff install: a .zip
# with palvo.exe and a short start text for Windows, and a Debian package
# that puts `palvo` into the path.
if(WIN32)
  # Notepad wants CR LF.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/OKUBENI.txt ${PROJECT_BINARY_DIR}/OKUBENI.txt
                 NEWLINE_STYLE CRLF)
  install(TARGETS palvo RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/OKUBENI.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME palvo-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  include(GNUInstallDirs)
  install(TARGETS palvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

set(CPACK_PACKAGE_NAME palvo)
set(CPACK_PACKAGE_VENDOR "Palvo Yazilim Ekibi")
set(CPACK_PACKAGE_CONTACT "Palvo Yazilim Ekibi <destek@palvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PALVO HASTANE OTOMASYONU: text-mode patient management")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/paket)
set(CPACK_STRIP_FILES ON)
include(CPack)
