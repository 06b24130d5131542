// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countingsoundplayer.h"

#include <QFileInfo>

void CountingSoundPlayer::play(const QString &path)
{
    ++m_byName[QFileInfo(path).fileName()];
}

void CountingSoundPlayer::speak(const QStringList &paths)
{
    for (const QString &path : paths)
        play(path);
    QMetaObject::invokeMethod(this, &SoundPlayer::spoken, Qt::QueuedConnection);
}

int CountingSoundPlayer::rightEffects() const
{
    int total = 0;
    for (int k = 1; k <= 4; ++k)
        total += count(QStringLiteral("si%1.wav").arg(k));
    return total;
}
