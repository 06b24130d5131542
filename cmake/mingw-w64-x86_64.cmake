# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (GCC, POSIX
# threads). scripts/build-windows builds Qt with it, and Quozzoli through the
# toolchain file of that Qt, which loads this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_quozzoli_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_quozzoli_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_quozzoli_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_quozzoli_triple}-windres)
set(CMAKE_AR ${_quozzoli_triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${_quozzoli_triple}-ranlib CACHE FILEPATH "")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_quozzoli_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Runs the test programs through Wine when CTest or try_run needs them.
find_program(QUOZZOLI_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUOZZOLI_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUOZZOLI_WINE64})
endif()
