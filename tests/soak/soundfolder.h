// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Fills a program folder with the sound folders "suoni" and "voci" in one of
// the states a school computer may leave them in.
class SoundFolder
{
public:
    enum class State {
        Missing, // neither folder exists
        Corrupt, // every file is truncated, empty or not a WAVE file, in turn
        Mixed, // the effects play; voice files are short tones, damaged or missing, in turn
    };

    static void fill(const QString &programDir, State state);

    // A 16-bit mono tone of the given length, as a complete WAVE file.
    static QByteArray tone(int milliseconds);
};
