# The files the desktop and the manual need besides the program (software
# centre entry, manual page) and the Debian package built with
#   cpack -G DEB
# in the build folder. Included once from the top-level CMakeLists.txt, after
# every install rule, so the package holds exactly what `cmake --install` installs.
include(GNUInstallDirs)

set(WRENPAD_APP_ID io.github.wrenpad.Wrenpad)
# The day this version was released; moves with project(VERSION).
set(WRENPAD_RELEASE_DATE 2026-12-07)
set(WRENPAD_PACKAGE_MAINTAINER "Wrenpad maintainers <maintainers@users.noreply.c-seed-f362af34.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${WRENPAD_APP_ID}.metainfo.xml
               ${packaging_out}/${WRENPAD_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wrenpad.1 ${packaging_out}/wrenpad.1 @ONLY)
install(FILES ${packaging_out}/${WRENPAD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages go compressed, as Debian keeps them; without gzip the plain page is installed.
execute_process(COMMAND gzip -9 -n -c ${packaging_out}/wrenpad.1
                OUTPUT_FILE ${packaging_out}/wrenpad.1.gz RESULT_VARIABLE gzip_result)
if(gzip_result EQUAL 0)
  install(FILES ${packaging_out}/wrenpad.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${packaging_out}/wrenpad.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wrenpad)
set(CPACK_PACKAGE_VENDOR "Wrenpad")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for text files, web pages and small teaching programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Wrenpad is a single-window editor for plain text, HTML pages and the small
programs of programming lessons, with menus in English and Japanese. It reads
Shift-JIS, EUC-JP and JIS files, colours HTML and inserts mark-up through menus
and dialogs, previews pages, and compiles and runs C, C++, Java and Pascal
programs with one key.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WRENPAD_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# dpkg-shlibdeps adds the libraries the program links; the window also needs
# Qt's platform plugins, a font with Japanese glyphs for texts and pages, and
# the monospaced Japanese face that draws a backslash for programs, which no
# library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-noto-cjk")
# The compilers, the CGI test server, the terminal for running programs and
# the desktop helpers: each serves one menu, the editor works without them.
# Qt's Wayland plugin lets a Wayland session show the window natively; without
# it the window runs under XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "g++, gcc, default-jdk-headless, fp-compiler, perl, lighttpd, xterm | x-terminal-emulator, xdg-utils, qt6-translations-l10n, qt6-wayland")
include(CPack)
