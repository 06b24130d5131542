// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundplayer.h"

#include <QHash>

// Plays nothing and counts what was asked for, by file name ("no.wav",
// "si3.wav", "attento1.wav"), in memory that does not grow with the run. A
// sentence ends once the events already posted have run.
class CountingSoundPlayer final : public Quozzoli::SoundPlayer
{
public:
    void play(const QString &path) override;
    void speak(const QStringList &paths) override;

    int count(const QString &fileName) const { return m_byName.value(fileName); }
    int rightEffects() const; // si1.wav to si4.wav

private:
    QHash<QString, int> m_byName;
};
