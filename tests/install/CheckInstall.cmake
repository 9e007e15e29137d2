# Installs the build into a temporary DESTDIR, runs the installed programs,
# validates the desktop entry and the AppStream metadata and builds the Debian
# package. A missing validator or packaging tool skips its step and, at the
# end, the test ("SKIP:"); every other failure fails it.
cmake_minimum_required(VERSION 3.25)

foreach(variable IN ITEMS BUILD_DIR WORK_DIR APP_ID VERSION CPACK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

# Runs a command and stores its standard output; a failure ends the test with
# everything the command wrote.
function(check_run output_variable)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(JOIN " " call ${ARGN})
    message(FATAL_ERROR "${call}\nfailed (${status}):\n${out}${err}")
  endif()
  set(${output_variable} "${out}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}: got \"${actual}\", expected \"${expected}\"")
  endif()
endfunction()

set(skipped)

# The install tree.
file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)
set(prefix ${root}/usr)
check_run(ignored ${CMAKE_COMMAND} -E env DESTDIR=${root}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)

set(desktop_entry share/applications/${APP_ID}.desktop)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
set(expected bin/Talpora bin/talpora-cli ${desktop_entry} ${metainfo}
    share/icons/hicolor/scalable/apps/${APP_ID}.svg share/man/man1/Talpora.1.gz
    share/man/man1/talpora-cli.1.gz share/doc/talpora/NOTICE share/doc/talpora/copyright
    share/doc/talpora/changelog.gz)
foreach(file IN LISTS expected)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Each PNG icon is a PNG of its folder's size: width and height are the two
# big-endian numbers after the signature and the IHDR chunk header.
foreach(size IN ITEMS 16 32 48 64 128 256)
  set(png ${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "not installed: ${png}")
  endif()
  file(READ ${png} signature LIMIT 8 HEX)
  file(READ ${png} dimensions OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${dimensions}" 0 8 width)
  string(SUBSTRING "${dimensions}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  expect_equal("${png} signature" "${signature}" "89504e470d0a1a0a")
  expect_equal("${png} size" "${width}x${height}" "${size}x${size}")
endforeach()

# The installed programs run.
check_run(entries ${prefix}/bin/talpora-cli entries)
string(REGEX MATCHALL "[^\n]+\n" entry_lines "${entries}")
list(LENGTH entry_lines entry_count)
expect_equal("talpora-cli entries, lines" "${entry_count}" 57)
list(GET entry_lines 0 first_entry)
expect_equal("talpora-cli entries, first line" "${first_entry}" "0\t101\tAccess_2013_backstage_cn\n")
check_run(cli_version ${prefix}/bin/talpora-cli --version)
set(copyright "Copyright (c) 2026 the Talpora developers\nLicence: MIT <https://opensource.org/license/mit>\n")
expect_equal("talpora-cli --version" "${cli_version}" "talpora-cli ${VERSION}\n${copyright}")
check_run(gui_version ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          ${prefix}/bin/Talpora --version)
expect_equal("Talpora --version" "${gui_version}" "Talpora ${VERSION}\n${copyright}")

# The validators.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  check_run(report ${DESKTOP_FILE_VALIDATE} ${prefix}/${desktop_entry})
  message(STATUS "desktop-file-validate: passed ${report}")
else()
  list(APPEND skipped "desktop-file-validate (Debian: desktop-file-utils)")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  check_run(report ${APPSTREAMCLI} validate --no-net ${prefix}/${metainfo})
  message(STATUS "appstreamcli validate: ${report}")
else()
  list(APPEND skipped "appstreamcli (Debian: appstream)")
endif()

# The Debian package: dpkg-shlibdeps computes Depends and needs `file`.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_COMMAND file)
find_program(DPKG_DEB dpkg-deb)
if(DPKG_SHLIBDEPS AND FILE_COMMAND AND DPKG_DEB)
  check_run(ignored ${CPACK} -G DEB -B ${WORK_DIR}/package --config ${BUILD_DIR}/CPackConfig.cmake)
  file(GLOB packages ${WORK_DIR}/package/*.deb)
  list(LENGTH packages package_count)
  expect_equal("packages built" "${package_count}" 1)
  check_run(contents ${DPKG_DEB} --contents ${packages})
  message(STATUS "${packages}:\n${contents}")
  foreach(file IN LISTS expected)
    string(FIND "${contents}" " ./usr/${file}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the package lacks /usr/${file}")
    endif()
  endforeach()
  check_run(depends ${DPKG_DEB} --field ${packages} Depends)
  message(STATUS "Depends: ${depends}")
  foreach(library IN ITEMS libqt6widgets6 libqt6svg6 libexpat1 qt6-qpa-plugins)
    string(FIND "${depends}" "${library}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "Depends lacks ${library}: ${depends}")
    endif()
  endforeach()
else()
  list(APPEND skipped "the Debian package (Debian: dpkg-dev, file)")
endif()

if(skipped)
  list(JOIN skipped ", " skipped)
  message("SKIP: not installed, so not checked: ${skipped}")
endif()
