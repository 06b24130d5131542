// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "samplequeue.h"

#include <QLoggingCategory>

#include <functional>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcSound)

namespace Quozzoli {

// Where the player's samples go: the sound server, reached from the sound
// module (PulseStream, WasapiStream or AudioStream), which the program loads only once its
// first window is on view (SoundModule). 16-bit mono samples at Rate.
class SoundOutput
{
public:
    static constexpr int Rate = 44100;
    static constexpr qint64 frames(int milliseconds) { return qint64(Rate) * milliseconds / 1000; }
    // Silence before each sound, as its stream starts.
    static constexpr qint64 Lead = qint64(Rate) * 10 / 1000;
    // While a stream is open, the user-interface thread hears how far it has
    // played this often.
    static constexpr int TickMs = 10;
    // Once a sound has been heard, its stream lingers this long, then closes.
    static constexpr int LingerMs = 500;

    // A place in a stream: the frame just after a sound.
    struct Mark
    {
        quint64 epoch = 0; // each stream opened is a new epoch
        qint64 frame = 0;
    };

    virtual ~SoundOutput() = default;

    // Reaches the sound output unless it has been reached; false when there
    // is none.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    // Starts the clips at once, back to back, in place of what was playing.
    // Returns where the last clip ends, or nothing without an output.
    virtual std::optional<Mark> play(SampleQueue::Clips clips) = 0;
    // Silence at once.
    virtual void stop() = 0;
    // Whether the mark has been played; the mark of a sound that was
    // replaced or stopped, or whose output went away, counts as played.
    virtual bool reached(const Mark &mark) const = 0;
    // Called whenever the stream played on, was stopped or went away.
    virtual void setAdvancedHandler(std::function<void()> handler) = 0;
};

// The sound module's one entry point, a C function of this name: it makes a
// new output, which the caller owns.
inline constexpr char SoundOutputEntry[] = "quozzoliCreateSoundOutput";
using CreateSoundOutput = SoundOutput *(*)();

} // namespace Quozzoli
