// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundoutput.h"

#include <QElapsedTimer>
#include <QObject>

#include <atomic>

class QTimer;

namespace Quozzoli {

// What every output to a sound server does the same way, whatever the
// server: a thread of the platform's keeps a stream filled from a
// SampleQueue, while this object's thread starts and stops sounds, hears how
// far the stream has played (every TickMs while it runs), lets it linger for
// LingerMs once its sound has been heard and then closes it, and tells the
// handler. The queue, the epoch and the stream belong to whoever holds the
// platform's lock; the rest belongs to this object's thread.
class StreamedOutput : public QObject, public SoundOutput
{
    Q_OBJECT

public:
    std::optional<Mark> play(SampleQueue::Clips clips) final;
    void stop() final;
    bool reached(const Mark &mark) const final;
    void setAdvancedHandler(std::function<void()> handler) final;

protected:
    explicit StreamedOutput(QObject *parent = nullptr);

    // The platform's lock over the queue, the epoch and the stream.
    virtual void lock() const = 0;
    virtual void unlock() const = 0;

    // With the lock held:
    // Whether the server can be played to now.
    virtual bool isReady() const = 0;
    // Starts a stream for what the queue holds now, from its first frame;
    // false when none can be started.
    virtual bool startStream() = 0;
    // Ends the stream, dropping what it still holds.
    virtual void closeStream() = 0;
    virtual bool hasStream() const = 0;
    // Frames of the stream played so far; -1 while unknown.
    virtual qint64 played() const = 0;

    // From any thread: the handler runs soon on this object's thread.
    void notify();

    class Locked
    {
    public:
        explicit Locked(const StreamedOutput &output)
            : m_output(output)
        {
            m_output.lock();
        }
        ~Locked() { m_output.unlock(); }
        Locked(const Locked &) = delete;
        Locked &operator=(const Locked &) = delete;

    private:
        const StreamedOutput &m_output;
    };

    // Guarded by the lock.
    SampleQueue m_queue;
    quint64 m_epoch = 0; // a new one with each stream, and when one is lost

private:
    void tick();
    void advanced();

    QTimer *m_timer;
    QElapsedTimer m_heardSince;
    std::function<void()> m_advanced;
    std::atomic<bool> m_notifying = false;
};

} // namespace Quozzoli
