# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made in the build folder by `cpack -G DEB` (or
# `cmake --build . --target package`): quozzoli_<version>_<arch>.deb, which
# installs the layout of Install.cmake under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quozzoli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quozzoli project")
set(CPACK_PACKAGE_CONTACT "Quozzoli project <quozzoli@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "division drills for primary-school children, in Italian")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/quozzoli)
# The summary above is the first line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Quozzoli teaches primary-school children integer division. The child picks
one of eleven exercises and works problem after problem: candies shared out
among pictured children by drag and drop with spoken prompts, one- and
two-digit quotients with and without a remainder, and the times tables.
Every answer gets a happy or a sad face, a sound and a count.

Quozzoli insegna la divisione ai bambini della scuola primaria. Il bambino
sceglie uno degli undici esercizi e risolve un problema dopo l'altro:
caramelle da distribuire ai bambini trascinandole, con la voce che guida,
quozienti di una e di due cifre con e senza resto, e le tabelline. Ogni
risposta riceve una faccina allegra o triste, un suono e il conteggio.]])

# Runtime dependencies: the Qt 6 libraries the program links, the sound
# server's client library its sound module links, Qt's SVG plugins, which
# draw the pictures, and the Liberation fonts, which stand in for Arial.
# Where dpkg-shlibdeps is at hand it finds the libraries and their versions
# from the program and the module themselves; it cannot see plugins.
set(quozzoli_qt_packages
    "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)" "libqt6svg6 (>= 6.4)")
if(QUOZZOLI_SOUND_OUTPUT STREQUAL "pulse")
    list(APPEND quozzoli_qt_packages "libpulse0")
else()
    list(APPEND quozzoli_qt_packages "libqt6multimedia6 (>= 6.4)")
endif()
find_program(QUOZZOLI_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUOZZOLI_FILE_COMMAND file)
if(QUOZZOLI_DPKG_SHLIBDEPS AND QUOZZOLI_FILE_COMMAND)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6 (>= 6.4)")
else()
    list(APPEND quozzoli_qt_packages "fonts-liberation2")
    list(JOIN quozzoli_qt_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()

include(CPack)
