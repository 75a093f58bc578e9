# Package settings for cpack.
# `cpack -G DEB` in the build folder (or `cmake --build build --target package`) makes
# orvex_<version>-1_<arch>.deb, installing under /usr.

set(ORVEX_PACKAGE_MAINTAINER "ORVEX jumper program authors <orvex@brevane.example>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")
set(ORVEX_HOMEPAGE "https://brevane.example/orvex/"
    CACHE STRING "Homepage of the program, for the package")

set(CPACK_PACKAGE_NAME orvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the ORVEX jumper program authors")
set(CPACK_PACKAGE_CONTACT "${ORVEX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A one-window viewer for the Brevane ORVEX Socket 7 motherboard. Pick the processor\n\
you are fitting from a list of 31 (Intel Pentium and Pentium MMX, Cyrix 6x86, 6x86L and\n\
6x86 MX, AMD K5 and K6) and the picture of the board shows every jumper pin that takes\n\
a cap in grey and every bare pin in white. The picture can be printed.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_HOMEPAGE_URL "${ORVEX_HOMEPAGE}")
# The build is RelWithDebInfo; the package carries the program without its debugging data.
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORVEX_HOMEPAGE}")
# dpkg-shlibdeps reads the program's libraries: libqt6widgets6, libqt6gui6,
# libqt6printsupport6 and so on. Qt loads its platform plugin at run time, where shlibdeps
# cannot see it; on Debian 12 the X11 one (platforms/libqxcb.so) ships in libqt6gui6, which
# the program links anyway, and the CUPS print plugin ships in libqt6printsupport6, also
# linked. qt6-qpa-plugins holds only the VNC platform and a touch plugin, so the package
# does not ask for it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)
