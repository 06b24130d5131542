# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Windows build as the folder a teacher unzips anywhere:
#   quozzoli.exe                 the program
#   suoni, voci                  its sound folders, beside it
#   moduli/quozzoli-sound.dll    its sound module
#   licenze                      the licences
# scripts/build-windows adds the Qt and MinGW DLLs the program needs and
# zips the folder.
install(TARGETS quozzoli RUNTIME DESTINATION .)
get_target_property(quozzoli_module_folder quozzoli_sound QUOZZOLI_FOLDER)
install(TARGETS quozzoli_sound LIBRARY DESTINATION ${quozzoli_module_folder})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/suoni ${PROJECT_SOURCE_DIR}/assets/voci
    DESTINATION .
    FILES_MATCHING PATTERN "*.wav")
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION licenze RENAME quozzoli-COPYING.txt)
