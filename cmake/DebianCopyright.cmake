# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the Debian package's copyright file, in the machine-readable format,
# from what the source tree itself says: the SPDX header of every file (or
# its .license file beside it) and .reuse/dep5 for the files that cannot
# carry one. So the package always tells what `reuse lint` checks.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -P DebianCopyright.cmake
# The file is rewritten only when its text changes.
cmake_minimum_required(VERSION 3.21)

set(dep5 "${SOURCE_DIR}/.reuse/dep5")
file(READ "${dep5}" dep5_text)
# CMake lists are split at semicolons: keep those of the text apart.
string(REPLACE ";" "<semicolon>" dep5_text "${dep5_text}")
# Comments are for the readers of .reuse/dep5 only.
string(REGEX REPLACE "(^|\n)#[^\n]*" "" dep5_text "${dep5_text}")
string(REGEX REPLACE "\n\n+" ";" dep5_paragraphs "${dep5_text}")
list(POP_FRONT dep5_paragraphs header)
string(STRIP "${header}" header)
string(REPLACE "<semicolon>" ";" header "${header}")

# The files of the source, less version control and build folders.
file(GLOB top LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*"
     "${SOURCE_DIR}/.*")
set(files)
foreach(entry IN LISTS top)
    set(path "${SOURCE_DIR}/${entry}")
    if(entry STREQUAL ".git" OR EXISTS "${path}/CMakeCache.txt")
        continue()
    endif()
    if(IS_DIRECTORY "${path}")
        file(GLOB_RECURSE inside LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" "${path}/*")
        list(APPEND files ${inside})
    else()
        list(APPEND files "${entry}")
    endif()
endforeach()

# Group the files by copyright and licence, as their headers give them.
# (The REUSE tool is not to take the patterns below for this file's own.)
# REUSE-IgnoreStart
set(keys)
foreach(file IN LISTS files)
    file(READ "${SOURCE_DIR}/${file}" head LIMIT 2048)
    set(copyright)
    set(licence)
    if(head MATCHES "(^|\n)[^A-Za-z0-9\n]*SPDX-FileCopyrightText: ([^\n]+)")
        string(STRIP "${CMAKE_MATCH_2}" copyright)
    endif()
    if(head MATCHES "(^|\n)[^A-Za-z0-9\n]*SPDX-License-Identifier: ([A-Za-z0-9.+-]+)")
        set(licence "${CMAKE_MATCH_2}")
    endif()
    if(NOT copyright OR NOT licence)
        continue()
    endif()
    string(REGEX REPLACE "\\.license$" "" file "${file}")
    string(MD5 key "${copyright}|${licence}")
    if(NOT key IN_LIST keys)
        list(APPEND keys ${key})
        set(copyright_${key} "${copyright}")
        set(licence_${key} "${licence}")
    endif()
    list(APPEND files_${key} "${file}")
endforeach()
# REUSE-IgnoreEnd
if(NOT keys)
    message(FATAL_ERROR "No file in ${SOURCE_DIR} carries an SPDX header")
endif()

# Most files share one copyright and licence: that becomes "Files: *", and
# the others are listed after it, since the last paragraph that matches a
# file is the one that holds for it.
set(main_key)
set(main_count 0)
foreach(key IN LISTS keys)
    list(LENGTH files_${key} count)
    if(count GREATER main_count)
        set(main_key ${key})
        set(main_count ${count})
    endif()
endforeach()

set(text "${header}\n\nFiles: *\nCopyright: ${copyright_${main_key}}\n")
string(APPEND text "License: ${licence_${main_key}}\n")
set(licences "${licence_${main_key}}")
foreach(paragraph IN LISTS dep5_paragraphs)
    string(STRIP "${paragraph}" paragraph)
    if(NOT paragraph MATCHES "(^|\n)License: ([^\n]+)")
        continue()
    endif()
    set(licence "${CMAKE_MATCH_2}")
    if(paragraph MATCHES "(^|\n)Copyright: ([^\n]+)"
       AND CMAKE_MATCH_2 STREQUAL copyright_${main_key}
       AND licence STREQUAL licence_${main_key})
        continue()
    endif()
    string(REPLACE "<semicolon>" ";" paragraph "${paragraph}")
    string(APPEND text "\n${paragraph}\n")
    list(APPEND licences "${licence}")
endforeach()
foreach(key IN LISTS keys)
    if(key STREQUAL main_key)
        continue()
    endif()
    list(SORT files_${key})
    list(JOIN files_${key} "\n " paths)
    string(APPEND text "\nFiles: ${paths}\nCopyright: ${copyright_${key}}\n")
    string(APPEND text "License: ${licence_${key}}\n")
    list(APPEND licences "${licence_${key}}")
endforeach()

# One paragraph for each licence: where a Debian system keeps its text, or
# else the text itself.
set(notice_GPL-3.0-or-later [[
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation, either version 3 of the License, or (at your option)
 any later version.
 .
 This program is distributed in the hope that it will be useful, but
 WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY
 or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for
 more details.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in "/usr/share/common-licenses/GPL-3".
]])
set(notice_CC0-1.0 [[
 To the extent possible under law, the authors have dedicated all copyright
 and related and neighbouring rights to this work to the public domain
 worldwide. This work is distributed without any warranty.
 .
 On Debian systems, the complete text of the Creative Commons CC0 1.0
 Universal licence can be found in "/usr/share/common-licenses/CC0-1.0".
]])
list(REMOVE_DUPLICATES licences)
foreach(licence IN LISTS licences)
    if(DEFINED notice_${licence})
        set(body "${notice_${licence}}")
    else()
        file(READ "${SOURCE_DIR}/LICENSES/${licence}.txt" body)
        string(STRIP "${body}" body)
        string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" body "${body}")
        string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" body "${body}")
        string(REPLACE "\n" "\n " body " ${body}\n")
    endif()
    string(APPEND text "\nLicense: ${licence}\n${body}")
endforeach()

set(old)
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
    file(WRITE "${OUTPUT}" "${text}")
endif()
