// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundplayer.h"

#include <QList>
#include <QStringList>

#include <functional>

// Remembers what the program asked to play, and plays nothing.
class RecordingSoundPlayer final : public Quozzoli::SoundPlayer
{
public:
    struct Played
    {
        QString path;
        Mode mode;
    };

    void play(const QString &path, Mode mode) override;
    // Each file of the sentence counts as a synchronous play, in order; a
    // stop() from inside one of them ends the sentence there. It has been
    // spoken when this returns.
    void speak(const QStringList &paths) override;
    void stop() override { m_stopped = true; }

    const QList<Played> &played() const { return m_played; }
    // The paths relative to the program folder, as the program names them
    // ("\voci\12.wav"), in the order played.
    QStringList relativePaths() const;
    QStringList relativePaths(Mode mode) const;
    void clear() { m_played.clear(); }

    // Called inside each play(), as if events came while the file plays.
    std::function<void(const Played &)> onPlay;

private:
    QList<Played> m_played;
    bool m_stopped = false;
};
