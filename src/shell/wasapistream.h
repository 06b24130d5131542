// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "streamedoutput.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace Quozzoli {

class WasapiDevice;

// The program's output on Windows: a shared-mode WASAPI stream on the
// default output device (WasapiDevice), kept filled from a SampleQueue by a
// thread of its own, which Windows' multimedia scheduler (MMCSS) runs as an
// audio thread, however busy the user-interface thread is. The stream is
// opened once and kept: a new sound stops it, drops what it holds and starts
// it again with the new samples already in its buffer. A sound counts as
// ended once the device has played its last sample; after that the stream
// plays silence for a while, then stops. When the device goes away or
// another becomes the default, the stream is opened again on the default
// device, at once and then at growing intervals up to RetryMs, for as long
// as it takes.
class WasapiStream final : public StreamedOutput
{
    Q_OBJECT

public:
    explicit WasapiStream(QObject *parent = nullptr);
    ~WasapiStream() override;

    bool open() override;
    bool isOpen() const override;

    static constexpr int FirstRetryMs = 100;
    static constexpr int RetryMs = 1000;

protected:
    void lock() const override { m_mutex.lock(); }
    void unlock() const override { m_mutex.unlock(); }
    bool isReady() const override { return m_ready; }
    bool startStream() override;
    void closeStream() override;
    bool hasStream() const override { return m_streaming; }
    qint64 played() const override;

private:
    enum class Command { None, Start, Stop };

    // The stream's own thread.
    void run();
    void serve(WasapiDevice &device, std::unique_lock<std::mutex> &lock);
    void lose(WasapiDevice &device, long result);

    mutable std::mutex m_mutex;
    std::condition_variable m_settledChanged;
    // Guarded by the mutex.
    bool m_ready = false;
    bool m_settled = false; // the first opening has succeeded or failed
    bool m_quit = false;
    bool m_streaming = false;
    Command m_command = Command::None; // for the stream's thread to carry out
    qint64 m_played = 0;

    std::atomic<bool> m_defaultChanged = false;
    void *m_wake; // an event: a command, a new default device, or the end
    void *m_bufferEvent; // the device wants more

    // This object's thread only.
    std::thread m_thread;
};

} // namespace Quozzoli
