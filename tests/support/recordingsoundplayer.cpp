// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordingsoundplayer.h"

#include "services.h"

void RecordingSoundPlayer::play(const QString &path, Mode mode)
{
    m_played.append({path, mode});
    if (onPlay)
        onPlay(m_played.last());
}

void RecordingSoundPlayer::speak(const QStringList &paths)
{
    m_stopped = false;
    for (const QString &path : paths) {
        if (m_stopped)
            break;
        play(path, Mode::Synchronous);
    }
    emit spoken();
}

static QString relative(const QString &path)
{
    QString rest = path.mid(Quozzoli::Services::programDir().size());
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return rest;
}

QStringList RecordingSoundPlayer::relativePaths() const
{
    QStringList paths;
    for (const Played &p : m_played)
        paths << relative(p.path);
    return paths;
}

QStringList RecordingSoundPlayer::relativePaths(Mode mode) const
{
    QStringList paths;
    for (const Played &p : m_played) {
        if (p.mode == mode)
            paths << relative(p.path);
    }
    return paths;
}
