# Checks a Windows program of ours as built: its subsystem, that it needs no DLL
# but the system's, and its icon, version information and manifest.
# Run as: cmake -DPROGRAM=<x.exe> -DNAME=<program name> -DSUBSYSTEM=<GUI|CUI>
#               -DVERSION=<version> -P CheckProgramResources.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../ExpectIn.cmake)

find_program(objdump NAMES x86_64-w64-mingw32-objdump REQUIRED)
find_program(windres NAMES x86_64-w64-mingw32-windres REQUIRED)

execute_process(COMMAND "${objdump}" -p "${PROGRAM}" OUTPUT_VARIABLE headers
                COMMAND_ERROR_IS_FATAL ANY)
expect_in("${headers}" "${NAME}'s headers" "(Windows ${SUBSYSTEM})")
# Linked statically: nothing from MinGW, Qt or the other libraries beside the program.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
  string(TOLOWER "${import}" import)
  if(NOT import MATCHES "dll name: (kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|version|netapi32|userenv|setupapi|shlwapi|winspool\\.drv|mpr|bcrypt|authz|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|shcore|wtsapi32|crypt32|msvcrt|api-ms-win-[a-z0-9-]+)(\\.dll)?$")
    message(FATAL_ERROR "${NAME} needs a DLL that Windows does not have: ${import}")
  endif()
endforeach()

execute_process(COMMAND "${windres}" -i "${PROGRAM}" -O rc OUTPUT_VARIABLE resources
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "." ", " file_version "${VERSION}")
expect_in("${resources}" "${NAME}'s resources" "LANGUAGE 4, 2" "RT_GROUP_ICON" "RT_MANIFEST"
          "VALUE \"ProductName\", \"${NAME}\""
          "VALUE \"InternalName\", \"${NAME}\"" "VALUE \"FileVersion\", \"${VERSION}\""
          "VALUE \"ProductVersion\", \"${VERSION}\""
          [[VALUE "Translation", 0x804, 1200, 0x409, 1200, 0x411, 1200]])
# A block of version texts per language, Chinese (PRC) first, each with a description.
set(previous -1)
foreach(block IN ITEMS 080404B0 040904B0 041104B0)
  string(FIND "${resources}" "BLOCK \"${block}\"" at)
  if(at LESS_EQUAL previous)
    message(FATAL_ERROR "${NAME}'s version information lacks the block ${block} after the one before")
  endif()
  string(SUBSTRING "${resources}" ${at} 400 block_text)
  expect_in("${block_text}" "${NAME}'s block ${block}" "VALUE \"FileDescription\", ")
  set(previous ${at})
endforeach()
# windres writes the manifest as quoted lines, doubling the quotes.
expect_in("${resources}" "${NAME}'s manifest" ">PerMonitorV2</dpiAwareness>"
          ">UTF-8</activeCodePage>" [[name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""]])
message(STATUS "${NAME}: Windows ${SUBSYSTEM} program, system DLLs only, icon, version ${VERSION}, manifest")
