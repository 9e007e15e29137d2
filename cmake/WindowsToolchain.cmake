# Toolchain of the Windows cross build (preset "windows"): unpacks the Windows SDK
# (static Qt, Expat, libzip, pugixml for MinGW-w64) into the build folder once and
# hands over to the SDK's own toolchain file.
set(TALPORA_WINDOWS_SDK_ARCHIVE "${CMAKE_CURRENT_LIST_DIR}/../../shared/windows-sdk/talpora-windows-sdk.tar.xz"
    CACHE FILEPATH "The Windows SDK archive (talpora-windows-sdk.tar.xz)")
# try_compile() projects read this file again from a folder of their own; they
# get the unpacked SDK's place from the first run.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TALPORA_WINDOWS_SDK_DIR)
if(NOT TALPORA_WINDOWS_SDK_DIR)
  set(TALPORA_WINDOWS_SDK_DIR "${CMAKE_BINARY_DIR}/windows-sdk")
endif()

set(_talpora_sdk_toolchain "${TALPORA_WINDOWS_SDK_DIR}/sdk/mingw-w64.cmake")
if(NOT EXISTS "${_talpora_sdk_toolchain}")
  if(NOT EXISTS "${TALPORA_WINDOWS_SDK_ARCHIVE}")
    message(FATAL_ERROR "Windows SDK not found at ${TALPORA_WINDOWS_SDK_ARCHIVE}: put the shared "
            "folder's windows-sdk/ beside the repository (or pass -DTALPORA_WINDOWS_SDK_ARCHIVE=…), "
            "or rebuild the archive with its build-sdk.sh (about an hour on 2 cores).")
  endif()
  message(STATUS "Unpacking ${TALPORA_WINDOWS_SDK_ARCHIVE}")
  file(ARCHIVE_EXTRACT INPUT "${TALPORA_WINDOWS_SDK_ARCHIVE}" DESTINATION "${TALPORA_WINDOWS_SDK_DIR}")
endif()
include("${_talpora_sdk_toolchain}")
