# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# quozzoli_public_headers(<target> <header>...)
#
# Each folder of src/ is a static library. Its own sources see the whole
# folder; the libraries above it see only the headers named here. For each one
# a one-line header that includes the real file is written to an "include"
# folder in the build tree, and that folder is the only include path the
# target hands on. A header left out of the list cannot be included from
# another folder, and a folder whose library is not linked cannot be included
# at all: the compiler stops with "No such file or directory".
#
# The real headers keep including their neighbours by plain name: the
# compiler looks beside the including file first, so a public header may rest
# on headers of its folder that are not public.
function(quozzoli_public_headers target)
    set(include_dir ${CMAKE_CURRENT_BINARY_DIR}/include)
    # A header taken off the list must stop being reachable at once.
    file(GLOB written RELATIVE ${include_dir} ${include_dir}/*)
    foreach(stale IN LISTS written)
        if(NOT stale IN_LIST ARGN)
            file(REMOVE ${include_dir}/${stale})
        endif()
    endforeach()
    foreach(header IN LISTS ARGN)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
            message(FATAL_ERROR "${target}: no header ${header} in ${CMAKE_CURRENT_SOURCE_DIR}")
        endif()
        file(CONFIGURE OUTPUT ${include_dir}/${header}
             CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
    endforeach()
    target_include_directories(${target}
        PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
        INTERFACE ${include_dir})
endfunction()
