// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundoutput.h"
#include "soundplayer.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace Quozzoli {

struct SoundClip;

// Plays WAVE files through the program's one output stream (a SoundOutput,
// from the sound module). Each file is read, checked and converted once,
// then kept in memory; a file that is missing or cannot be played makes the
// desktop beep instead. A synchronous sound returns once its last sample
// has been played; without a sound output (none given, or none reached) it
// returns after its own length.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(std::unique_ptr<SoundOutput> output = nullptr,
                           QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString &path, Mode mode) override;
    void speak(const QStringList &paths) override;
    void stop() override;
    void preload(const QStringList &paths) override;

    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    // Extra time a synchronous sound may take past its own length before
    // the wait gives up on the server telling it has been played.
    static constexpr int WaitMarginMs = 400;

signals:
    // The output played on, was stopped or went away (for the player's own
    // waits).
    void outputAdvanced();

private:
    using Clip = std::shared_ptr<const SoundClip>;

    Clip clip(const QString &path);
    void cannotPlay(const QString &path);
    // Plays the clips back to back; when `wait`, returns once they have been
    // heard. False when a newer sound or stop() cut them short.
    bool utter(std::vector<Clip> clips, bool wait);

    QHash<QString, Clip> m_clips; // null: cannot be played
    std::unique_ptr<SoundOutput> m_output;
    quint64 m_utterance = 0;
    std::function<void()> m_beep;
};

} // namespace Quozzoli
