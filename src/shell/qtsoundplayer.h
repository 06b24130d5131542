// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundoutput.h"
#include "soundplayer.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Quozzoli {

struct SoundClip;

// Plays WAVE files through the program's one output stream (a SoundOutput,
// from the sound module). Each file is read, checked and converted once,
// then kept in memory; a file that is missing or cannot be played makes the
// desktop beep instead. A sentence is spoken once its last sample has been
// played; without a sound output (none given, or none reached) once its own
// length has passed.
class QtSoundPlayer final : public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(std::unique_ptr<SoundOutput> output = nullptr,
                           QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString &path) override;
    void speak(const QStringList &paths) override;
    void stop() override;
    void preload(const QStringList &paths) override;

    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    // Extra time a sentence may take past its own length before the player
    // gives up on the server telling it has been played.
    static constexpr int WaitMarginMs = 400;

private:
    using Clip = std::shared_ptr<const SoundClip>;

    Clip clip(const QString &path);
    void cannotPlay(const QString &path);
    // Plays the next files of the sentence that can be played, back to back,
    // after the beep of one that cannot; or ends the sentence.
    void sayOn();
    // Whether the files playing now have been heard, or have lasted their
    // own length where nothing can tell.
    void checkHeard();
    // Forgets the sentence being spoken; true if there was one.
    bool dropSentence();

    QHash<QString, Clip> m_clips; // null: cannot be played
    std::function<void()> m_beep;

    bool m_speaking = false;
    QStringList m_rest; // the sentence's files not started yet
    QString m_unplayable; // beeps once the files before it have been heard
    bool m_waiting = false; // files of the sentence are playing
    std::optional<SoundOutput::Mark> m_end; // where they end in the stream
    QElapsedTimer m_started;
    qint64 m_ownMs = 0;
    QTimer m_deadline;

    std::unique_ptr<SoundOutput> m_output; // last: it calls back until it goes
};

} // namespace Quozzoli
