// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsoundplayer.h"

#include "soundclip.h"
#include "soundoutput.h"

#include <QApplication>

#include <cmath>

namespace Quozzoli {

QtSoundPlayer::QtSoundPlayer(std::unique_ptr<SoundOutput> output, QObject *parent)
    : SoundPlayer(parent)
    , m_beep([] { QApplication::beep(); })
    , m_output(std::move(output))
{
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    // Its own length has passed, or the server has stopped telling what it played.
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_waiting)
            sayOn();
    });
    if (m_output)
        m_output->setAdvancedHandler([this] { checkHeard(); });
}

QtSoundPlayer::~QtSoundPlayer() = default;

QtSoundPlayer::Clip QtSoundPlayer::clip(const QString &path)
{
    auto it = m_clips.find(path);
    if (it == m_clips.end())
        it = m_clips.insert(path, loadSoundClip(path.toStdString(), SoundOutput::Rate));
    return it.value();
}

void QtSoundPlayer::preload(const QStringList &paths)
{
    for (const QString &path : paths)
        qCDebug(lcSound) << "preload" << path << (clip(path) ? "ok" : "cannot play");
    if (m_output)
        m_output->open();
}

void QtSoundPlayer::cannotPlay(const QString &path)
{
    qCDebug(lcSound) << "cannot play" << path << "- beeping instead";
    if (m_output)
        m_output->stop();
    m_beep();
}

void QtSoundPlayer::play(const QString &path)
{
    qCDebug(lcSound) << "asynchronous" << path;
    if (dropSentence())
        emit spoken(); // cut short by this sound
    if (const Clip found = clip(path)) {
        if (m_output)
            m_output->play({found});
    } else {
        cannotPlay(path);
    }
}

void QtSoundPlayer::speak(const QStringList &paths)
{
    if (dropSentence())
        emit spoken();
    m_speaking = true;
    m_rest = paths;
    sayOn();
}

void QtSoundPlayer::stop()
{
    const bool cut = dropSentence();
    if (m_output)
        m_output->stop();
    if (cut)
        emit spoken();
}

bool QtSoundPlayer::dropSentence()
{
    m_rest.clear();
    m_unplayable.clear();
    m_waiting = false;
    m_deadline.stop();
    return std::exchange(m_speaking, false);
}

void QtSoundPlayer::sayOn()
{
    m_waiting = false;
    m_deadline.stop();
    if (!m_unplayable.isEmpty())
        cannotPlay(std::exchange(m_unplayable, {}));
    // The files that can be played follow one another with no gap; a bad
    // one beeps in its place once those before it have been heard.
    std::vector<Clip> run;
    while (!m_rest.isEmpty()) {
        const QString path = m_rest.takeFirst();
        qCDebug(lcSound) << "synchronous" << path;
        if (const Clip found = clip(path)) {
            run.push_back(found);
        } else if (run.empty()) {
            cannotPlay(path);
        } else {
            m_unplayable = path;
            break;
        }
    }
    if (run.empty()) {
        dropSentence();
        emit spoken();
        return;
    }

    double seconds = 0.0;
    for (const Clip &c : run)
        seconds += c->seconds();
    m_ownMs = qint64(std::ceil(seconds * 1000.0));
    m_started.start();
    m_end = m_output ? m_output->play(std::move(run)) : std::nullopt;
    m_waiting = true;
    m_deadline.start(int(m_ownMs + WaitMarginMs));
    checkHeard();
}

void QtSoundPlayer::checkHeard()
{
    if (!m_waiting)
        return;
    const bool open = m_output && m_output->isOpen();
    if (m_end && open) {
        if (m_output->reached(*m_end))
            sayOn();
        return;
    }
    // Without an output, or once it has gone, the files last their own length.
    const qint64 left = m_ownMs - m_started.elapsed();
    if (left <= 0)
        sayOn();
    else if (m_deadline.remainingTime() > left)
        m_deadline.start(int(left));
}

} // namespace Quozzoli
