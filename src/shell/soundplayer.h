// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace Quozzoli {

// Plays WAVE files by their full path, on one channel: a new sound stops the
// one still playing.
class SoundPlayer
{
public:
    enum class Mode {
        Asynchronous, // returns at once, the sound plays on
        Synchronous, // returns when the sound has ended; input waits meanwhile
    };

    virtual ~SoundPlayer() = default;
    virtual void play(const QString &path, Mode mode) = 0;
    // Plays the files as one sentence, each straight after the one before,
    // and returns when the last has been heard; input waits meanwhile.
    virtual void speak(const QStringList &paths)
    {
        for (const QString &path : paths)
            play(path, Mode::Synchronous);
    }
    // Silences what is playing; a sentence being spoken returns at once.
    virtual void stop() { }
    // Loads files ahead of their first use, so that they start at once.
    virtual void preload(const QStringList &paths) { Q_UNUSED(paths) }
};

} // namespace Quozzoli
