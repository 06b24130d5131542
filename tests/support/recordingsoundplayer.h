// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundplayer.h"

#include <QList>
#include <QStringList>

// Remembers what the program asked to play, and plays nothing. A sentence
// ends as the program's own player ends one: later, through spoken(). By
// default it ends once the events already posted have run; held, it lasts
// until the test ends it, so that a test can act while it is being spoken.
class RecordingSoundPlayer final : public Quozzoli::SoundPlayer
{
public:
    struct Played
    {
        QString path;
        bool inSentence = false; // a file of a sentence, or an effect
    };

    void play(const QString &path) override;
    void speak(const QStringList &paths) override;
    void stop() override;

    void holdSentences(bool hold) { m_hold = hold; }
    bool speaking() const { return m_speaking; }
    // Ends the sentence being spoken, as if its last sample had been heard;
    // false if none was.
    bool finishSentence();

    const QList<Played> &played() const { return m_played; }
    // The paths relative to the program folder, as the program names them
    // ("\voci\12.wav"), in the order played: all, or those of sentences.
    QStringList relativePaths() const;
    QStringList sentencePaths() const;
    void clear() { m_played.clear(); }

private:
    QList<Played> m_played;
    bool m_hold = false;
    bool m_speaking = false;
    int m_sentence = 0; // which sentence a queued end belongs to
};
