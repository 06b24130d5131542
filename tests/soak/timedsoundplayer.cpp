// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timedsoundplayer.h"

#include "platformsoundoutput.h"
#include "wavinfo.h"

#include <algorithm>

using namespace Quozzoli;

TimedSoundPlayer::TimedSoundPlayer()
    : m_player(std::make_unique<QtSoundPlayer>(createPlatformSoundOutput()))
{
    connect(m_player.get(), &SoundPlayer::spoken, this, [this] {
        if (!m_sentence.isEmpty())
            timed(std::exchange(m_sentence, {}), m_clock.elapsed(), m_allowedMs);
        emit spoken();
    });
}

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

void TimedSoundPlayer::play(const QString &path)
{
    ++m_effects;
    m_player->play(path);
}

void TimedSoundPlayer::speak(const QStringList &paths)
{
    m_sentenceFiles += int(paths.size());
    qint64 allowed = 0;
    for (const QString &path : paths)
        allowed += allowedMs(path);
    m_clock.start();
    m_sentence = paths.join(QLatin1Char(' '));
    m_allowedMs = allowed;
    m_player->speak(paths);
}

void TimedSoundPlayer::stop()
{
    m_player->stop();
}

void TimedSoundPlayer::preload(const QStringList &paths)
{
    m_player->preload(paths);
}
