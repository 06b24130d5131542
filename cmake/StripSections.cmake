# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time, after the other install rules. A stripped install
# (the Debian package, or `cmake --install --strip`) also removes from every
# program and library in the program folder the sections that Debian's own
# packages leave out: the compilers' names in .comment, and .note.
# Set before: QUOZZOLI_OBJCOPY, QUOZZOLI_STRIP_DIR (relative to the prefix).
if(NOT CMAKE_INSTALL_DO_STRIP)
    return()
endif()

set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QUOZZOLI_STRIP_DIR}")
file(GLOB_RECURSE candidates LIST_DIRECTORIES false "${folder}/*")
foreach(file IN LISTS candidates)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        continue()
    endif()
    execute_process(
        COMMAND "${QUOZZOLI_OBJCOPY}" --remove-section=.comment --remove-section=.note "${file}"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Could not strip ${file}")
    endif()
endforeach()
