// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qtsoundplayer.h"

#include <QElapsedTimer>

#include <memory>

// The program's own player, timed: remembers how much longer than the files'
// own length (plus the player's stated margin) any one sentence took.
class TimedSoundPlayer final : public Quozzoli::SoundPlayer
{
public:
    TimedSoundPlayer();

    void play(const QString &path) override;
    void speak(const QStringList &paths) override;
    void stop() override;
    void preload(const QStringList &paths) override;

    int effects() const { return m_effects; }
    int sentenceFiles() const { return m_sentenceFiles; }
    // The longest time a sentence took past what its files allow, in ms.
    qint64 worstOverrunMs() const { return m_worstOverrunMs; }
    QString worstPath() const { return m_worstPath; }
    qint64 longestMs() const { return m_longestMs; } // the longest any sentence took

private:
    void timed(const QString &what, qint64 elapsed, qint64 allowed);

    std::unique_ptr<Quozzoli::QtSoundPlayer> m_player;
    QElapsedTimer m_clock; // since the sentence began
    QString m_sentence;
    qint64 m_allowedMs = 0;
    int m_sentenceFiles = 0;
    int m_effects = 0;
    qint64 m_worstOverrunMs = 0;
    qint64 m_longestMs = 0;
    QString m_worstPath;
};
