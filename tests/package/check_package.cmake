# Builds the Debian package of a configured and built tree into a fresh folder
# and checks what it holds: the program, its data and help, the desktop entry,
# icons, software-centre entry, manual page, copyright and changelog, and the
# control fields; then lets Debian's own checkers judge the package (lintian),
# the desktop entry (desktop-file-validate) and the software-centre entry
# (appstreamcli). Any error or warning of theirs fails the test.
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DCPACK=<cpack> -DAPP_ID=<id> -P check_package.cmake
# Prints "SKIPPED:" (the test's skip mark) where dpkg is missing; the three
# checkers come with scripts/install-deps.sh, and a missing one fails.
cmake_minimum_required(VERSION 3.25)

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS OR NOT EXISTS "${CPACK}")
  message("SKIPPED: dpkg-deb, dpkg-shlibdeps or cpack is not installed")
  return()
endif()

function(run_or_fail what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
run_or_fail("cpack" "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")
file(GLOB packages "${WORK_DIR}/wrenpad_*_amd64.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  file(GLOB made "${WORK_DIR}/*")
  message(FATAL_ERROR "expected one wrenpad_<version>_amd64.deb, found: ${made}")
endif()
set(package "${packages}")

set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

run_or_fail("dpkg-deb -c" "${DPKG_DEB}" -c "${package}")
set(contents "${output}")
# What no checker below asks for: lintian reports a missing copyright, changelog
# or manual page, and the desktop and software-centre entries are judged below.
foreach(path
    ./usr/bin/wrenpad
    ./usr/share/wrenpad/KeyWords_cpp.ini
    ./usr/share/wrenpad/Help/
    ./usr/share/icons/hicolor/scalable/apps/wrenpad.svg
    ./usr/share/icons/hicolor/16x16/apps/wrenpad.png
    ./usr/share/icons/hicolor/256x256/apps/wrenpad.png)
  string(FIND "${contents}" " ${path}\n" at)
  if(at EQUAL -1)
    fail("the package lacks ${path}")
  endif()
endforeach()

run_or_fail("dpkg-deb -f" "${DPKG_DEB}" -f "${package}" Depends Recommends)
set(control "${output}")
get_filename_component(file_name "${package}" NAME)
string(REGEX REPLACE "^wrenpad_(.*)_amd64\\.deb$" "\\1" version "${file_name}")
# dpkg-deb -f folds long fields; unfolded, Depends must name Qt's libraries.
string(REGEX REPLACE "\n " " " control "${control}")
# Qt's libraries (found by dpkg-shlibdeps), the Japanese fonts, and the tools.
foreach(field Depends:libqt6widgets6 Depends:fonts-ipafont-gothic Depends:fonts-noto-cjk
        "Recommends:g[+][+]" Recommends:default-jdk-headless Recommends:fp-compiler Recommends:perl
        Recommends:lighttpd Recommends:xterm Recommends:xdg-utils Recommends:qt6-wayland)
  string(REPLACE ":" ": [^\n]*" pattern "${field}")
  if(NOT control MATCHES "${pattern}")
    fail("${field} is missing")
  endif()
endforeach()

# Runs a checker on the unpacked package and fails the test on every line of
# its report that matches `bad` (its errors and warnings; notes are kept).
macro(judge tool bad)
  find_program(checker_${tool} ${tool})
  if(NOT checker_${tool})
    fail("${tool} is not installed (scripts/install-deps.sh installs it)")
  else()
    execute_process(COMMAND "${checker_${tool}}" ${ARGN} RESULT_VARIABLE status
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    string(REGEX MATCH "${bad}" complaint "${report}")
    if(complaint OR NOT status EQUAL 0)
      fail("${tool} (exit ${status}) says:\n${report}")
    endif()
  endif()
endmacro()

set(unpacked "${WORK_DIR}/root")
run_or_fail("dpkg-deb -x" "${DPKG_DEB}" -x "${package}" "${unpacked}")
judge(lintian "(^|\n)[EW]: " -I -E --pedantic "${package}")
# lintian takes any version at the top of a native package's changelog.
execute_process(COMMAND gzip -dc "${unpacked}/usr/share/doc/wrenpad/changelog.gz"
                OUTPUT_VARIABLE changelog RESULT_VARIABLE unzipped)
if(NOT unzipped EQUAL 0 OR NOT changelog MATCHES "^wrenpad \\(([^)]*)\\)")
  fail("the changelog cannot be read")
elseif(NOT CMAKE_MATCH_1 STREQUAL version)
  fail("the changelog's newest entry is for ${CMAKE_MATCH_1}, the package is ${version}")
endif()
# desktop-file-validate prints nothing for an entry it has nothing to say on.
judge(desktop-file-validate "[^\n]+" "${unpacked}/usr/share/applications/wrenpad.desktop")
judge(appstreamcli "(^|\n)[EW]: " validate --pedantic --no-net
      "${unpacked}/usr/share/metainfo/${APP_ID}.metainfo.xml")

if(failures)
  message(FATAL_ERROR "package ${file_name}:${failures}\n--- dpkg-deb -c ---\n${contents}\n--- control ---\n${control}")
endif()
message("package ${file_name} checked")
