# Checks that Quillet.exe is a stripped Windows GUI program that uses the Windows layer and
# carries its version information and icon.
# Run as: cmake -DQUILLET_EXE=<Quillet.exe> -P CheckWindowsBuild.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../ExpectIn.cmake)

file(READ "${QUILLET_EXE}" signature LIMIT 2 HEX)
if(NOT signature STREQUAL "4d5a")
  message(FATAL_ERROR "${QUILLET_EXE} is not a Windows executable")
endif()

find_program(objdump NAMES x86_64-w64-mingw32-objdump)
if(objdump)
  execute_process(COMMAND "${objdump}" -p "${QUILLET_EXE}" OUTPUT_VARIABLE headers
                  COMMAND_ERROR_IS_FATAL ANY)
  # Shipped without its symbol table, which would more than double its size.
  expect_in("${headers}" "Quillet.exe's headers" "(Windows GUI)" "symbols stripped"
            "FindFirstFileExW" "FindNextFileW" "GetSystemDirectoryW" "CreateProcessW"
            "WaitForSingleObject" "GetExitCodeProcess" "MessageBoxW" "GetModuleFileNameW")
endif()

find_program(windres NAMES x86_64-w64-mingw32-windres)
if(windres)
  execute_process(COMMAND "${windres}" -i "${QUILLET_EXE}" -O rc OUTPUT_VARIABLE resources
                  COMMAND_ERROR_IS_FATAL ANY)
  # windres writes non-ASCII text as UTF-16 escapes: 注册同一路径下所有ocx和dll文件.
  set(description [[L"\x6ce8\x518c\x540c\x4e00\x8def\x5f84\x4e0b\x6240\x6709ocx\x548cdll\x6587\x4ef6"]])
  expect_in("${resources}" "Quillet.exe's resources" "LANGUAGE 4, 2" "RT_GROUP_ICON" "RT_MANIFEST"
            "Has 3 elements" "FILEVERSION 1, 0, 0, 0" [[BLOCK "080404B0"]]
            [[VALUE "ProductName", "Quillet"]] [[VALUE "InternalName", "Quillet"]]
            [[VALUE "FileVersion", "1.00"]] [[VALUE "ProductVersion", "1.00"]]
            "VALUE \"FileDescription\", ${description}"
            [[BLOCK "040904B0"]]
            [[VALUE "FileDescription", "Registers every .ocx and .dll file in its own folder"]]
            [[BLOCK "041104B0"]] [[VALUE "Translation", 0x804, 1200, 0x409, 1200, 0x411, 1200]])
endif()
