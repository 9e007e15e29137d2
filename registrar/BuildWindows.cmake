# Cross-compiles Quillet.exe (core, Windows layer, version information and icon) with
# MinGW-w64. Run as: cmake -DSOURCE_DIR=<registrar folder> -DOUTPUT_DIR=<folder> -P BuildWindows.cmake
# Sets QUILLET_EXE (when included) to the program built, or leaves it empty when no cross
# compiler is installed.
cmake_minimum_required(VERSION 3.25)

set(QUILLET_EXE "")
find_program(QUILLET_MINGW_CXX NAMES x86_64-w64-mingw32-g++ x86_64-w64-mingw32-g++-posix)
if(NOT QUILLET_MINGW_CXX)
  message("SKIP: x86_64-w64-mingw32-g++ not found; install g++-mingw-w64-x86-64 to build "
          "Quillet.exe")
  return()
endif()
find_program(QUILLET_MINGW_WINDRES NAMES x86_64-w64-mingw32-windres)

file(MAKE_DIRECTORY "${OUTPUT_DIR}")
file(GLOB sources "${SOURCE_DIR}/core/*.cpp" "${SOURCE_DIR}/platform/windows/*.cpp")

set(resources "")
if(QUILLET_MINGW_WINDRES)
  set(resources "${OUTPUT_DIR}/Quillet.res.o")
  execute_process(
    COMMAND "${QUILLET_MINGW_WINDRES}" -I "${SOURCE_DIR}/resources" -O coff
            -i "${SOURCE_DIR}/platform/windows/Quillet.rc" -o "${resources}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres failed on Quillet.rc")
  endif()
else()
  message("x86_64-w64-mingw32-windres not found: Quillet.exe has no version information or icon")
endif()

execute_process(
  COMMAND "${QUILLET_MINGW_CXX}" -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Werror
          -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX
          -I "${SOURCE_DIR}/core" -I "${SOURCE_DIR}/platform/windows"
          ${sources} ${resources}
          -municode -mwindows -static -s -o "${OUTPUT_DIR}/Quillet.exe"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${QUILLET_MINGW_CXX} could not build Quillet.exe")
endif()
set(QUILLET_EXE "${OUTPUT_DIR}/Quillet.exe")
message("Built ${QUILLET_EXE}")
