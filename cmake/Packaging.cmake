# The Debian package: `cpack -G DEB` in the build folder. Its Depends come from
# the libraries the programs link (dpkg-shlibdeps) plus Qt's platform plugins,
# which Talpora loads at run time.
set(TALPORA_PACKAGE_MAINTAINER "The Talpora developers <talpora@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME talpora)
set(CPACK_PACKAGE_VENDOR "The Talpora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of the extended description, wrapped as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Talpora shows the catalogue of the built-in controls of Office 2013"
       "(Access, Excel, PowerPoint and Word) with their identifiers (idMso) as"
       "trees, searches them and builds the customUI snippet that reaches a"
       "chosen control. Any local XML file can be browsed the same way."
       "talpora-cli gives scripts the same catalogue, looks up identifiers of"
       "every Office version and checks customUI files and Office documents."
       "The user interface is in Simplified Chinese.")
set(CPACK_PACKAGE_CONTACT "${TALPORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALPORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TALPORA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations are built into the programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-symbola")

include(CPack)
