// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsoundplayer.h"

#include <QApplication>
#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

Q_LOGGING_CATEGORY(lcSound, "quozzoli.sound", QtInfoMsg)

namespace Quozzoli {

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
    , m_beep([] { QApplication::beep(); })
{ }

QtSoundPlayer::~QtSoundPlayer()
{
    stopCurrent();
    qDeleteAll(m_effects);
}

const WavInfo &QtSoundPlayer::checked(const QString &path)
{
    auto it = m_headers.find(path);
    if (it == m_headers.end())
        it = m_headers.insert(path, readWavInfo(path.toStdString()));
    return it.value();
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &path, const WavInfo &info)
{
    if (!info.valid)
        return nullptr;
    QSoundEffect *effect = m_effects.value(path);
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
        m_effects.insert(path, effect);
    }
    return effect->status() == QSoundEffect::Error ? nullptr : effect;
}

void QtSoundPlayer::preload(const QStringList &paths)
{
    for (const QString &path : paths) {
        const bool loaded = effectFor(path, checked(path)) != nullptr;
        qCDebug(lcSound) << "preload" << path << (loaded ? "ok" : "cannot play");
    }
}

void QtSoundPlayer::stopCurrent()
{
    if (m_current) {
        QSoundEffect *current = m_current;
        m_current = nullptr;
        current->stop();
    }
}

void QtSoundPlayer::play(const QString &path, Mode mode)
{
    const bool synchronous = mode == Mode::Synchronous;
    qCDebug(lcSound) << (synchronous ? "synchronous" : "asynchronous") << path;
    stopCurrent();
    const WavInfo info = checked(path);
    QSoundEffect *effect = effectFor(path, info);
    if (!effect) {
        qCDebug(lcSound) << "cannot play" << path << "- beeping instead";
        m_beep();
        return;
    }
    m_current = effect;
    effect->play();
    if (synchronous)
        waitUntilEnded(effect, info);
}

void QtSoundPlayer::waitUntilEnded(QSoundEffect *effect, const WavInfo &info)
{
    QEventLoop loop;
    bool started = effect->isPlaying();
    const auto endIfStopped = [&] {
        if (effect->isPlaying())
            started = true;
        else if (started)
            loop.quit();
    };
    connect(effect, &QSoundEffect::playingChanged, &loop, endIfStopped);
    connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(int(info.durationSeconds() * 1000.0) + WaitMarginMs);
    // Painting goes on; keys and clicks wait until the sound has ended.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (m_current == effect && !effect->isPlaying())
        m_current = nullptr;
}

} // namespace Quozzoli
