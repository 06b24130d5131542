// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countingsoundplayer.h"

#include <QFileInfo>

void CountingSoundPlayer::play(const QString &path, Mode mode)
{
    ++m_byName[QFileInfo(path).fileName()];
    (mode == Mode::Synchronous ? m_synchronous : m_asynchronous) += 1;
}

int CountingSoundPlayer::rightEffects() const
{
    int total = 0;
    for (int k = 1; k <= 4; ++k)
        total += count(QStringLiteral("si%1.wav").arg(k));
    return total;
}
