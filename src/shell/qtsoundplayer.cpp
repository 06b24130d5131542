// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsoundplayer.h"

#include "soundclip.h"
#include "soundoutput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace Quozzoli {

QtSoundPlayer::QtSoundPlayer(std::unique_ptr<SoundOutput> output, QObject *parent)
    : QObject(parent)
    , m_output(std::move(output))
    , m_beep([] { QApplication::beep(); })
{
    if (m_output)
        m_output->setAdvancedHandler([this] { emit outputAdvanced(); });
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
    stop();
    m_beep();
}

void QtSoundPlayer::play(const QString &path, Mode mode)
{
    const bool synchronous = mode == Mode::Synchronous;
    qCDebug(lcSound) << (synchronous ? "synchronous" : "asynchronous") << path;
    if (const Clip found = clip(path))
        utter({found}, synchronous);
    else
        cannotPlay(path);
}

void QtSoundPlayer::speak(const QStringList &paths)
{
    // The files that can be played follow one another with no gap; a bad
    // one beeps in its place.
    std::vector<Clip> run;
    for (const QString &path : paths) {
        qCDebug(lcSound) << "synchronous" << path;
        if (const Clip found = clip(path)) {
            run.push_back(found);
            continue;
        }
        if (!run.empty() && !utter(std::exchange(run, {}), true))
            return;
        cannotPlay(path);
    }
    if (!run.empty())
        utter(std::move(run), true);
}

void QtSoundPlayer::stop()
{
    ++m_utterance;
    if (m_output)
        m_output->stop();
}

bool QtSoundPlayer::utter(std::vector<Clip> clips, bool wait)
{
    const quint64 utterance = ++m_utterance;
    double seconds = 0.0;
    for (const Clip &c : clips)
        seconds += c->seconds();
    QElapsedTimer started;
    started.start();
    const std::optional<SoundOutput::Mark> end
        = m_output ? m_output->play(std::move(clips)) : std::nullopt;
    if (!wait)
        return true;

    // Without an output, or once it has gone, the sound lasts its own length.
    const qint64 ownMs = qint64(std::ceil(seconds * 1000.0));
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    bool over = false;
    const auto check = [&] {
        const bool open = m_output && m_output->isOpen();
        if (m_utterance != utterance || (end && open && m_output->reached(*end))) {
            over = true;
        } else if (!end || !open) {
            const qint64 left = ownMs - started.elapsed();
            over = left <= 0;
            if (!over && (!deadline.isActive() || deadline.remainingTime() > left))
                deadline.start(int(left));
        }
        if (over)
            loop.quit();
    };
    connect(this, &QtSoundPlayer::outputAdvanced, &loop, check);
    connect(&deadline, &QTimer::timeout, &loop, [&] {
        over = true;
        loop.quit();
    });
    // Should the server stop telling what it has played.
    deadline.start(int(ownMs + WaitMarginMs));
    check();
    // Painting goes on; keys and clicks wait until the sound has been heard.
    if (!over)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return m_utterance == utterance;
}

} // namespace Quozzoli
