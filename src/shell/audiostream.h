// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "samplequeue.h"

#include <QElapsedTimer>
#include <QObject>

#include <optional>

class QAudioSink;
class QIODevice;
class QTimer;

namespace Quozzoli {

// The program's output to the sound server, on one QAudioSink, fed 16-bit
// mono samples at Rate from a SampleQueue. Each sound gets a stream of its
// own, opened afresh: it starts at once, and takes the unplayed rest of the
// sound before it away with the old stream. A sound counts as ended once the
// server has played its last sample, not when it was handed over. A stream
// that has been quiet for a while is closed, which costs nothing.
class AudioStream : public QObject
{
    Q_OBJECT

public:
    static constexpr int Rate = 44100;

    // A place in a stream: the frame just after a sound.
    struct Mark
    {
        quint64 epoch = 0; // each stream opened is a new epoch
        qint64 frame = 0;
    };

    explicit AudioStream(QObject *parent = nullptr);
    ~AudioStream() override;

    // Reaches the sound output unless it has been reached; false when there
    // is none. After a failure it is tried again at most once every RetryMs.
    bool open();
    bool isOpen() const { return m_sink != nullptr; }

    // Starts the clips at once, back to back, in place of what was playing.
    // Returns where the last clip ends, or nothing without an output.
    std::optional<Mark> play(SampleQueue::Clips clips);
    // Silence at once.
    void stop();
    // Whether the mark has been played; the mark of a sound that was
    // replaced or stopped, or whose output went away, counts as played.
    bool reached(const Mark &mark) const;

    static constexpr int RetryMs = 2000;

signals:
    // The stream played on, was stopped or went away.
    void advanced();

private:
    bool startStream();
    void closeStream();
    void feed();
    void lose();
    qint64 played() const;

    QAudioSink *m_sink = nullptr; // a child of this
    QIODevice *m_device = nullptr; // while a stream is open
    QTimer *m_timer;
    SampleQueue m_queue;
    std::vector<std::int16_t> m_unsent; // taken from the queue, not yet accepted
    qint64 m_fillTo = 0; // frames, silence included, the stream needs to start
    quint64 m_epoch = 0;
    QElapsedTimer m_heardSince;
    QElapsedTimer m_lastAttempt;
};

} // namespace Quozzoli
