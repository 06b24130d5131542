# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening a Debian package build gives a program (dpkg-buildflags with
# hardening=+all): position-independent executables, a strong stack
# protector, checked string and memory functions in optimised builds,
# format-string checks, and relocations made read-only before the program
# starts.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
# _FORTIFY_SOURCE needs the optimiser, and the sanitizers check the same
# calls better themselves.
if(NOT QUOZZOLI_SANITIZE)
    add_compile_options(
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
add_link_options(-Wl,-z,relro,-z,now)

