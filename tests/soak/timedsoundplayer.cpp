// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timedsoundplayer.h"

#include "wavinfo.h"

#include <QElapsedTimer>

#include <algorithm>

using namespace Quozzoli;

TimedSoundPlayer::TimedSoundPlayer()
    : m_player(std::make_unique<QtSoundPlayer>())
{ }

void TimedSoundPlayer::play(const QString &path, Mode mode)
{
    QElapsedTimer clock;
    clock.start();
    m_player->play(path, mode);
    const qint64 elapsed = clock.elapsed();
    (mode == Mode::Synchronous ? m_synchronous : m_asynchronous) += 1;
    m_longestMs = std::max(m_longestMs, elapsed);
    qint64 allowed = 0;
    if (mode == Mode::Synchronous) {
        const WavInfo info = readWavInfo(path.toStdString());
        allowed = qint64(info.durationSeconds() * 1000.0) + QtSoundPlayer::WaitMarginMs;
    }
    if (elapsed - allowed > m_worstOverrunMs) {
        m_worstOverrunMs = elapsed - allowed;
        m_worstPath = path;
    }
}

void TimedSoundPlayer::preload(const QStringList &paths)
{
    m_player->preload(paths);
}
