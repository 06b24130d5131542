// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module: the program's only link to the sound server's client
// libraries (and, where they are used, Qt Multimedia), loaded by SoundModule
// once the first window has painted.

#include "platformsoundoutput.h"

extern "C" Q_DECL_EXPORT Quozzoli::SoundOutput *quozzoliCreateSoundOutput()
{
    return Quozzoli::createPlatformSoundOutput().release();
}
