# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A Windows build: a portable folder, cross-compiled with MinGW-w64 by
# scripts/build-windows (cmake/mingw-w64-x86_64.cmake). Qt SVG is not part of
# it, so the pictures are drawn at build time by quozzoli_rendericon built
# for the machine that builds (QUOZZOLI_HOST_RENDERICON), and shown as drawn.
set(QUOZZOLI_HOST_RENDERICON "" CACHE FILEPATH
    "quozzoli_rendericon (packaging/rendericon.cpp) built for the machine that builds")
if(NOT EXISTS "${QUOZZOLI_HOST_RENDERICON}")
    message(FATAL_ERROR "A Windows build draws its pictures with a host quozzoli_rendericon: "
                        "set QUOZZOLI_HOST_RENDERICON (scripts/build-windows does)")
endif()
add_executable(quozzoli_rendericon IMPORTED)
set_target_properties(quozzoli_rendericon PROPERTIES IMPORTED_LOCATION ${QUOZZOLI_HOST_RENDERICON})
if(NOT QUOZZOLI_PREDRAWN_PICTURES)
    message(FATAL_ERROR "A Windows build has no Qt SVG: it needs QUOZZOLI_PREDRAWN_PICTURES")
endif()
