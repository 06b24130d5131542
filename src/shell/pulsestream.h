// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "streamedoutput.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

namespace Quozzoli {

// The program's output to the sound server, through PulseAudio's client
// library, which PulseAudio and PipeWire's PulseAudio service both serve.
// The library runs a thread of its own that keeps the stream filled from a
// SampleQueue whenever the server asks for more, however busy the
// user-interface thread is. Each sound gets a stream of its own, opened
// afresh: it starts at once, and takes the unplayed rest of the sound before
// it away with the old stream. A sound counts as ended once the server has
// played its last sample. A stream that has been quiet for a while is closed.
// When the server goes away, the connection is made again in the background,
// at growing intervals up to RetryMs, for as long as it takes.
class PulseStream final : public StreamedOutput
{
    Q_OBJECT

public:
    explicit PulseStream(QObject *parent = nullptr);
    ~PulseStream() override;

    bool open() override;
    bool isOpen() const override;

    static constexpr int FirstRetryMs = 100;
    static constexpr int RetryMs = 1000;

protected:
    void lock() const override;
    void unlock() const override;
    bool isReady() const override { return m_ready; }
    bool startStream() override;
    void closeStream() override;
    bool hasStream() const override { return m_stream != nullptr; }
    qint64 played() const override;

private:
    // Called on the library's thread, with its lock held.
    static void contextChanged(pa_context *context, void *self);
    static void streamChanged(pa_stream *stream, void *self);
    static void writable(pa_stream *stream, std::size_t bytes, void *self);
    static void ranDry(pa_stream *stream, void *self);
    static void retry(pa_mainloop_api *api, pa_time_event *event, const timeval *, void *self);
    static void connectWaitOver(pa_mainloop_api *, pa_time_event *, const timeval *, void *self);

    // With the library's lock held.
    void connectContext();
    void dropContext();
    void scheduleRetry();
    void lose();

    pa_threaded_mainloop *m_loop;
    // Guarded by the library's lock.
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    pa_time_event *m_retry = nullptr;
    int m_retryMs = FirstRetryMs;
    bool m_ready = false;
    bool m_settled = false; // the first connection has succeeded or failed
    bool m_connectWaitOver = false; // open() waits for it no longer

    // This object's thread only.
    bool m_started = false;
};

} // namespace Quozzoli
