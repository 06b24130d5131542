// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace Quozzoli {

// Plays WAVE files by their full path, on one channel: a new sound stops the
// one still playing. Every call returns at once.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Plays a sound effect while the program goes on; it cuts short a
    // sentence being spoken.
    virtual void play(const QString &path) = 0;
    // Starts the files as one sentence, each straight after the one before;
    // spoken() tells its end.
    virtual void speak(const QStringList &paths) = 0;
    // Silences what is playing; a sentence being spoken ends at once.
    virtual void stop() { }
    // Loads files ahead of their first use, so that they start at once.
    virtual void preload(const QStringList &paths) { Q_UNUSED(paths) }

signals:
    // The sentence has ended: heard to its last sample, or, without a sound
    // output, its own length has passed; or stop() or a newer sound cut it
    // short. May come before speak() returns.
    void spoken();
};

} // namespace Quozzoli
