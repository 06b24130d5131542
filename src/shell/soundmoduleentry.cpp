// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module: the program's only use of Qt Multimedia, loaded by
// SoundModule once the first window has painted.

#include "audiostream.h"

extern "C" Q_DECL_EXPORT Quozzoli::SoundOutput *quozzoliCreateSoundOutput()
{
    return new Quozzoli::AudioStream;
}
