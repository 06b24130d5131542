// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timedsoundplayer.h"

#include "platformsoundoutput.h"
#include "wavinfo.h"

#include <QElapsedTimer>

#include <algorithm>

using namespace Quozzoli;

TimedSoundPlayer::TimedSoundPlayer()
    : m_player(std::make_unique<QtSoundPlayer>(createPlatformSoundOutput()))
{ }

namespace {

qint64 allowedMs(const QString &path)
{
    const WavInfo info = readWavInfo(path.toStdString());
    return qint64(info.durationSeconds() * 1000.0) + QtSoundPlayer::WaitMarginMs;
}

} // namespace

void TimedSoundPlayer::timed(const QString &what, qint64 elapsed, qint64 allowed)
{
    m_longestMs = std::max(m_longestMs, elapsed);
    if (elapsed - allowed > m_worstOverrunMs) {
        m_worstOverrunMs = elapsed - allowed;
        m_worstPath = what;
    }
}

void TimedSoundPlayer::play(const QString &path, Mode mode)
{
    QElapsedTimer clock;
    clock.start();
    m_player->play(path, mode);
    const qint64 elapsed = clock.elapsed();
    const bool synchronous = mode == Mode::Synchronous;
    (synchronous ? m_synchronous : m_asynchronous) += 1;
    timed(path, elapsed, synchronous ? allowedMs(path) : 0);
}

void TimedSoundPlayer::speak(const QStringList &paths)
{
    QElapsedTimer clock;
    clock.start();
    m_player->speak(paths);
    const qint64 elapsed = clock.elapsed();
    m_synchronous += int(paths.size());
    qint64 allowed = 0;
    for (const QString &path : paths)
        allowed += allowedMs(path);
    timed(paths.join(QLatin1Char(' ')), elapsed, allowed);
}

void TimedSoundPlayer::stop()
{
    m_player->stop();
}

void TimedSoundPlayer::preload(const QStringList &paths)
{
    m_player->preload(paths);
}
