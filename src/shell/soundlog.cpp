// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The log of the sound output, used by the player in the program and by the
// output in the sound module: each is built with this one definition.

#include "soundoutput.h"

Q_LOGGING_CATEGORY(lcSound, "quozzoli.sound", QtInfoMsg)
