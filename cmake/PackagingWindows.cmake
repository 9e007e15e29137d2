# The Windows packages, from the Windows build (`cpack` in build-windows):
# Talpora-<version>-win64.zip, a portable folder, and Talpora-<version>-win64.msi,
# an installer made with wixl. Both hold the three programs side by side (Quillet
# registers the components of its own folder), the README, the licences and the
# licence texts of the libraries linked into the programs.
install(TARGETS Talpora talpora-cli Quillet RUNTIME DESTINATION .)
install(FILES README.md LICENSE NOTICE DESTINATION .)
install(DIRECTORY "${TALPORA_WINDOWS_SDK_DIR}/sdk/licenses/" DESTINATION licenses)
# zlib comes from Debian's libz-mingw-w64-dev, not from the SDK.
set(TALPORA_ZLIB_LICENSE /usr/share/doc/libz-mingw-w64-dev/copyright
    CACHE FILEPATH "Licence of the zlib linked into the Windows programs")
install(FILES "${TALPORA_ZLIB_LICENSE}" DESTINATION licenses RENAME zlib-copyright)

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME Talpora)
set(CPACK_PACKAGE_VENDOR "The Talpora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME "Talpora-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_GENERATOR ZIP External)

# The installer: cmake/WindowsInstaller.cmake turns the staged files into an
# MSI with wixl, for the current user. A later version replaces this one: its
# upgrade code never changes.
find_program(TALPORA_WIXL wixl)
if(NOT TALPORA_WIXL)
  message(STATUS "wixl not found (Debian: wixl): cpack makes no installer")
  set(CPACK_GENERATOR ZIP)
endif()
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT "${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake")
set(CPACK_TALPORA_WIXL "${TALPORA_WIXL}")
set(CPACK_TALPORA_UPGRADE_CODE B269EC63-9AE0-4786-8149-6A8D99F6CE45)
set(CPACK_TALPORA_ICON "${PROJECT_SOURCE_DIR}/viewer/ui/icons/talpora.ico")
set(CPACK_TALPORA_HOMEPAGE "${TALPORA_HOMEPAGE}")

include(CPack)
