# What the Windows build (MinGW-w64 cross build, preset "windows") adds to the
# common one: static programs, zlib and libzip from the SDK, and tests that run
# under Wine.

# Qt, the C++ runtime, Expat, libzip and zlib all go into the programs, so a
# folder holds nothing but them; release programs ship without symbols.
add_link_options(-static $<$<CONFIG:Release>:-s>)

# libzip's CMake package does not look for the zlib it needs itself.
find_package(ZLIB REQUIRED)
find_package(libzip REQUIRED)

# add_test() runs every test program through Wine, in one prefix of the build
# folder that boots once and is reused by every test.
find_program(TALPORA_WINE wine)
if(TALPORA_WINE)
  set(TALPORA_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
  set(CMAKE_CROSSCOMPILING_EMULATOR
      bash "${PROJECT_SOURCE_DIR}/cmake/RunUnderWine.sh" "${TALPORA_WINE_PREFIX}")
else()
  message(STATUS "wine not found (Debian: wine64, wine): the Windows tests cannot run")
endif()

# The icon, version information and manifest of one Windows program, from
# cmake/WindowsProgram.rc.in. The version resource names the program itself
# and describes it in Chinese, English and Japanese.
# talpora_windows_resources(<target> <icon> CHINESE <text> ENGLISH <text> JAPANESE <text>)
function(talpora_windows_resources target icon)
  cmake_parse_arguments(ARG "" "CHINESE;ENGLISH;JAPANESE" "" ${ARGN})
  if(NOT ARG_CHINESE OR NOT ARG_ENGLISH OR NOT ARG_JAPANESE)
    message(FATAL_ERROR "talpora_windows_resources(${target}): a description in each language")
  endif()
  set(TALPORA_RC_NAME "${target}")
  set(TALPORA_RC_DESCRIPTION_CHINESE "${ARG_CHINESE}")
  set(TALPORA_RC_DESCRIPTION_ENGLISH "${ARG_ENGLISH}")
  set(TALPORA_RC_DESCRIPTION_JAPANESE "${ARG_JAPANESE}")
  set(TALPORA_RC_ICON "${icon}")
  set(TALPORA_RC_MANIFEST "${PROJECT_SOURCE_DIR}/cmake/WindowsProgram.manifest")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/WindowsProgram.rc.in"
                 "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc" @ONLY)
  target_sources(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
endfunction()

# Test programs not passing under Wine yet; they carry the label "windows_open",
# which the windows test preset leaves out, until they do. None at present.
set(TALPORA_WINDOWS_OPEN_TESTS)
