# The Windows packages, from the Windows build (`cpack` in build-windows):
# Talpora-<version>-win64.zip, a portable folder, and Talpora-<version>-win64.exe,
# an installer made with NSIS. Both hold the three programs side by side (Quillet
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
set(CPACK_PACKAGE_INSTALL_DIRECTORY Talpora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Talpora)
set(CPACK_PACKAGE_EXECUTABLES Talpora Talpora)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_GENERATOR ZIP NSIS)

# The installer installs for the current user only: no administrator rights,
# the programs under %LOCALAPPDATA%\Programs, the shortcut in the user's Start
# menu and the uninstaller in the user's list of programs.
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\Programs")
set(CPACK_NSIS_PACKAGE_NAME Talpora)
set(CPACK_NSIS_DISPLAY_NAME Talpora)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/viewer/ui/icons/talpora.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/viewer/ui/icons/talpora.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME Talpora.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${TALPORA_HOMEPAGE}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# "Open with" for XML files; the default program of .xml stays what it was.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [[
  WriteRegStr HKCU "Software\Classes\Talpora.xml" "" "XML"
  WriteRegStr HKCU "Software\Classes\Talpora.xml\DefaultIcon" "" "$INSTDIR\Talpora.exe,0"
  WriteRegStr HKCU "Software\Classes\Talpora.xml\shell\open\command" "" '"$INSTDIR\Talpora.exe" "%1"'
  WriteRegStr HKCU "Software\Classes\.xml\OpenWithProgids" "Talpora.xml" ""
]])
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [[
  DeleteRegValue HKCU "Software\Classes\.xml\OpenWithProgids" "Talpora.xml"
  DeleteRegKey /ifempty HKCU "Software\Classes\.xml\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "Software\Classes\.xml"
  DeleteRegKey HKCU "Software\Classes\Talpora.xml"
]])
# CMake's installer script asks for administrator rights and installs for all
# users when it gets them; ours is CMake's script with both turned to the user.
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" nsis_template)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" nsis_template
       "${nsis_template}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" nsis_template
       "${nsis_template}")
string(REPLACE [[ReadRegStr $0 HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall]]
       [[ReadRegStr $0 HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall]] nsis_template
       "${nsis_template}")
file(WRITE "${PROJECT_BINARY_DIR}/nsis/NSIS.template.in" "${nsis_template}")
set(CPACK_MODULE_PATH "${PROJECT_BINARY_DIR}/nsis")

include(CPack)
