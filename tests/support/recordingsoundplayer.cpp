// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordingsoundplayer.h"

#include "services.h"

void RecordingSoundPlayer::play(const QString &path)
{
    m_played.append({path, false});
    finishSentence(); // cut short by the effect
}

void RecordingSoundPlayer::speak(const QStringList &paths)
{
    finishSentence();
    for (const QString &path : paths)
        m_played.append({path, true});
    m_speaking = true;
    const int sentence = ++m_sentence;
    if (!m_hold) {
        QMetaObject::invokeMethod(
            this,
            [this, sentence] {
                if (sentence == m_sentence && !m_hold)
                    finishSentence();
            },
            Qt::QueuedConnection);
    }
}

void RecordingSoundPlayer::stop()
{
    finishSentence();
}

bool RecordingSoundPlayer::finishSentence()
{
    if (!std::exchange(m_speaking, false))
        return false;
    emit spoken();
    return true;
}

static QStringList relative(const QList<RecordingSoundPlayer::Played> &played, bool sentencesOnly)
{
    QStringList paths;
    for (const RecordingSoundPlayer::Played &p : played) {
        if (sentencesOnly && !p.inSentence)
            continue;
        QString rest = p.path.mid(Quozzoli::Services::programDir().size());
        rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
        paths << rest;
    }
    return paths;
}

QStringList RecordingSoundPlayer::relativePaths() const
{
    return relative(m_played, false);
}

QStringList RecordingSoundPlayer::sentencePaths() const
{
    return relative(m_played, true);
}
