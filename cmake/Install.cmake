# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program where a Linux desktop expects it, under
# CMAKE_INSTALL_PREFIX (/usr/local by default, /usr in the Debian package):
#   lib/quozzoli/quozzoli          the program
#   lib/quozzoli/suoni, voci       its sound folders, beside it
#   lib/quozzoli/moduli           its sound module, beside it
#   bin/quozzoli                   a relative link to the program
#   share/applications, share/metainfo, share/icons/hicolor
#                                  desktop entry, AppStream metainfo, icons
#   share/man/man6/quozzoli.6.gz   the manual page
#   share/doc/quozzoli             copyright, changelog.gz
include(GNUInstallDirs)

# The program's name on the desktop: the desktop entry, the AppStream
# component and the name the program gives its windows.
set(QUOZZOLI_APP_ID org.example.quozzoli)
set(QUOZZOLI_INSTALL_PROGRAMDIR lib/quozzoli)
# The hicolor sizes of the icon, besides the scalable one.
set(QUOZZOLI_ICON_SIZES 16 22 24 32 48 64 128 256)

target_compile_definitions(quozzoli PRIVATE QUOZZOLI_APP_ID="${QUOZZOLI_APP_ID}")
# The program links only the system's Qt: no run path of its own.
set_target_properties(quozzoli PROPERTIES INSTALL_RPATH "")
install(TARGETS quozzoli RUNTIME DESTINATION ${QUOZZOLI_INSTALL_PROGRAMDIR})
# A module the program loads itself, not a shared library for others: no
# run path, not executable.
set_target_properties(quozzoli_sound PROPERTIES INSTALL_RPATH "")
# In a folder of its own: a shared object right in lib/quozzoli would look
# like a system library to the package tools, which would run ldconfig.
get_target_property(quozzoli_module_folder quozzoli_sound QUOZZOLI_FOLDER)
install(TARGETS quozzoli_sound
    LIBRARY DESTINATION ${QUOZZOLI_INSTALL_PROGRAMDIR}/${quozzoli_module_folder}
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/suoni ${PROJECT_SOURCE_DIR}/assets/voci
    DESTINATION ${QUOZZOLI_INSTALL_PROGRAMDIR}
    FILES_MATCHING PATTERN "*.wav")

add_subdirectory(packaging)

# Keep this last: it strips what the rules above have installed.
install(CODE "set(QUOZZOLI_OBJCOPY \"${CMAKE_OBJCOPY}\")
set(QUOZZOLI_STRIP_DIR \"${QUOZZOLI_INSTALL_PROGRAMDIR}\")")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/StripSections.cmake)
