// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace Quozzoli {

// Plays a WAVE file by its full path, on one channel: a new sound stops the
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
    // Loads files ahead of their first use, so that they start at once.
    virtual void preload(const QStringList &paths) { Q_UNUSED(paths) }
};

} // namespace Quozzoli
