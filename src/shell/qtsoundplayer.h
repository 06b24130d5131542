// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundplayer.h"
#include "wavinfo.h"

#include <QHash>
#include <QLoggingCategory>
#include <QObject>

#include <functional>

class QSoundEffect;

Q_DECLARE_LOGGING_CATEGORY(lcSound)

namespace Quozzoli {

// Plays WAVE files through QSoundEffect, one effect per file, loaded once.
// A file that is missing or whose header is not a complete 8- or 16-bit PCM
// WAVE is never handed to the sound system (a truncated file can hang it):
// the desktop's beep sounds instead.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString &path, Mode mode) override;
    void preload(const QStringList &paths) override;

    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    // Extra time a synchronous sound may take past its own length before
    // the wait gives up on the end being signalled.
    static constexpr int WaitMarginMs = 400;

private:
    QSoundEffect *effectFor(const QString &path, const WavInfo &info);
    const WavInfo &checked(const QString &path);
    void waitUntilEnded(QSoundEffect *effect, const WavInfo &info);
    void stopCurrent();

    QHash<QString, WavInfo> m_headers;
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_current = nullptr;
    std::function<void()> m_beep;
};

} // namespace Quozzoli
