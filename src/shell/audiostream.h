// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundoutput.h"

#include <QElapsedTimer>
#include <QObject>

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
class AudioStream : public QObject, public SoundOutput
{
    Q_OBJECT

public:
    explicit AudioStream(QObject *parent = nullptr);
    ~AudioStream() override;

    // After a failure the output is tried again at most once every RetryMs.
    bool open() override;
    bool isOpen() const override { return m_sink != nullptr; }
    std::optional<Mark> play(SampleQueue::Clips clips) override;
    void stop() override;
    bool reached(const Mark &mark) const override;
    void setAdvancedHandler(std::function<void()> handler) override;

    static constexpr int RetryMs = 2000;

private:
    bool startStream();
    void closeStream();
    void feed();
    void lose();
    void advanced();
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
    std::function<void()> m_advanced;
};

} // namespace Quozzoli
