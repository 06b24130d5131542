// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundplayer.h"

#include <QHash>

// Plays nothing and counts what was asked for, by file name ("no.wav",
// "si3.wav", "attento1.wav"), in memory that does not grow with the run.
class CountingSoundPlayer final : public Quozzoli::SoundPlayer
{
public:
    void play(const QString &path, Mode mode) override;

    int count(const QString &fileName) const { return m_byName.value(fileName); }
    int rightEffects() const; // si1.wav to si4.wav
    int plays(Mode mode) const
    {
        return mode == Mode::Synchronous ? m_synchronous : m_asynchronous;
    }

private:
    QHash<QString, int> m_byName;
    int m_synchronous = 0;
    int m_asynchronous = 0;
};
