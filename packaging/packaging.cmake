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

# The licence and the release notes, where Debian keeps them for every
# package: the copyright in machine-readable form, the changelog compressed
# without a name or time in it, so the same sources give the same package.
set(WRENPAD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/wrenpad)
add_custom_command(OUTPUT ${packaging_out}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${packaging_out}/changelog
                   COMMAND gzip -9 -n -f ${packaging_out}/changelog
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
add_custom_target(wrenpad_changelog ALL DEPENDS ${packaging_out}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${packaging_out}/changelog.gz DESTINATION ${WRENPAD_DOC_DIR})
# The newest entry of the changelog names the version being built.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^wrenpad \\(${PROJECT_VERSION}\\) ")
  message(WARNING "packaging/changelog has no entry for version ${PROJECT_VERSION} at its top")
endif()

# The icon at the fixed sizes of the desktop's icon theme, rendered from the
# SVG at build time; at 16 px the full drawing blurs into a blot, so that
# size has a simpler drawing of its own.
add_executable(wrenpad_render_icon ${CMAKE_CURRENT_LIST_DIR}/render_icon.cpp)
target_link_libraries(wrenpad_render_icon PRIVATE Qt6::Svg Qt6::Gui)
set_target_properties(wrenpad_render_icon PROPERTIES AUTOMOC OFF)
set(icon_pngs "")
foreach(size 16 24 32 48 64 128 256)
  set(icon_svg ${CMAKE_SOURCE_DIR}/resources/icons/wrenpad.svg)
  if(size EQUAL 16)
    set(icon_svg ${CMAKE_SOURCE_DIR}/resources/icons/wrenpad-16.svg)
  endif()
  set(icon_png ${packaging_out}/icons/${size}x${size}/wrenpad.png)
  add_custom_command(OUTPUT ${icon_png}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/${size}x${size}
                     COMMAND wrenpad_render_icon ${icon_svg} ${size} ${icon_png}
                     DEPENDS wrenpad_render_icon ${icon_svg} VERBATIM)
  list(APPEND icon_pngs ${icon_png})
  install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(wrenpad_icons ALL DEPENDS ${icon_pngs})

# The start-up document of new CGI programs starts with an interpreter line,
# which makes it a script to Debian, and a script in a package is runnable.
install(CODE "file(CHMOD \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/wrenpad/Default.cgi\"
                    PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)")

# A stripped program (cpack strips what it packs) also loses the compiler's
# notes, as Debian's own packages do: they take room and say nothing at run time.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/wrenpad\")
endif()")

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
# The packaged program carries no debugging information (the build folder's
# copy keeps it).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WRENPAD_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# dpkg-shlibdeps adds the libraries the program links; the window also needs
# Qt's platform plugins, a font with Japanese glyphs for texts and pages, and
# the monospaced Japanese face that draws a backslash for programs, which no
# library names. The charset prober that tells EUC-JP from Shift-JIS
# (libuchardet0) is linked, so dpkg-shlibdeps names it with its version;
# naming it here as well would list it twice.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-noto-cjk")
# The compilers, the CGI test server, the terminal for running programs and
# the desktop helpers: each serves one menu, the editor works without them.
# Qt's Wayland plugin lets a Wayland session show the window natively; without
# it the window runs under XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "g++, gcc, default-jdk-headless, fp-compiler, perl, lighttpd, xterm | x-terminal-emulator, xdg-utils, qt6-translations-l10n, qt6-wayland")
include(CPack)
