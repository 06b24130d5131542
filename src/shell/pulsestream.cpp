// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pulsestream.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop-api.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <utility>

namespace Quozzoli {

namespace {

// How much the server keeps of a stream: how long the library's thread may
// be held up before a sound breaks. PipeWire grants no more than some 85 ms.
constexpr int BufferMs = 250;
// How long the first connection may take before the first sound goes
// without it; later ones are made in the background.
constexpr int ConnectWaitMs = 1000;

const pa_sample_spec SampleFormat {PA_SAMPLE_S16NE, PulseStream::Rate, 1};

} // namespace

PulseStream::PulseStream(QObject *parent)
    : StreamedOutput(parent)
    , m_loop(pa_threaded_mainloop_new())
{ }

PulseStream::~PulseStream()
{
    if (!m_loop)
        return;
    if (m_started) {
        {
            Locked locked(*this);
            closeStream();
            if (m_retry) {
                pa_threaded_mainloop_get_api(m_loop)->time_free(m_retry);
                m_retry = nullptr;
            }
            dropContext();
        }
        pa_threaded_mainloop_stop(m_loop);
    }
    pa_threaded_mainloop_free(m_loop);
}

bool PulseStream::open()
{
    if (!m_loop)
        return false;
    if (!m_started) {
        m_started = true;
        pa_threaded_mainloop_set_name(m_loop, "quozzoli-sound");
        Locked locked(*this);
        if (pa_threaded_mainloop_start(m_loop) < 0) {
            qCWarning(lcSound) << "the sound thread does not start";
            return false;
        }
        connectContext();
        // A local server answers within milliseconds, or refuses at once;
        // the library's thread wakes this one when it has, or when the time
        // given has run out.
        pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
        timeval when {};
        pa_timeval_add(pa_gettimeofday(&when), pa_usec_t(ConnectWaitMs) * PA_USEC_PER_MSEC);
        pa_time_event *giveUp = api->time_new(api, &when, &PulseStream::connectWaitOver, this);
        while (!m_settled && !m_connectWaitOver)
            pa_threaded_mainloop_wait(m_loop);
        if (giveUp)
            api->time_free(giveUp);
        if (!m_ready)
            qCDebug(lcSound) << "no sound output";
    }
    return isOpen();
}

bool PulseStream::isOpen() const
{
    if (!m_loop)
        return false;
    Locked locked(*this);
    return m_ready;
}

// Without a main loop there is nothing to lock, and never a stream.
void PulseStream::lock() const
{
    if (m_loop)
        pa_threaded_mainloop_lock(m_loop);
}

void PulseStream::unlock() const
{
    if (m_loop)
        pa_threaded_mainloop_unlock(m_loop);
}

void PulseStream::connectWaitOver(pa_mainloop_api *, pa_time_event *, const timeval *, void *self)
{
    auto *that = static_cast<PulseStream *>(self);
    that->m_connectWaitOver = true;
    pa_threaded_mainloop_signal(that->m_loop, 0);
}

void PulseStream::connectContext()
{
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    m_context = pa_context_new(api, "Quozzoli");
    if (m_context) {
        pa_context_set_state_callback(m_context, &PulseStream::contextChanged, this);
        // Most failures show in the state too, which sets the next try.
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0)
            return;
    }
    m_settled = true;
    scheduleRetry();
}

void PulseStream::dropContext()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseStream::scheduleRetry()
{
    if (m_retry)
        return;
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    timeval when {};
    pa_timeval_add(pa_gettimeofday(&when), pa_usec_t(m_retryMs) * PA_USEC_PER_MSEC);
    m_retry = api->time_new(api, &when, &PulseStream::retry, this);
    m_retryMs = std::min(2 * m_retryMs, RetryMs);
}

void PulseStream::retry(pa_mainloop_api *api, pa_time_event *event, const timeval *, void *self)
{
    auto *that = static_cast<PulseStream *>(self);
    api->time_free(event);
    that->m_retry = nullptr;
    that->dropContext();
    that->connectContext();
}

void PulseStream::contextChanged(pa_context *context, void *self)
{
    auto *that = static_cast<PulseStream *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        that->m_ready = true;
        that->m_settled = true;
        pa_threaded_mainloop_signal(that->m_loop, 0);
        that->m_retryMs = FirstRetryMs;
        qCInfo(lcSound) << "sound output on" << pa_context_get_server(context);
        that->notify();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Dropped on the next try, not inside its own call.
        pa_context_set_state_callback(context, nullptr, nullptr);
        that->m_settled = true;
        pa_threaded_mainloop_signal(that->m_loop, 0);
        that->lose();
        break;
    default:
        break;
    }
}

void PulseStream::lose()
{
    if (m_ready)
        qCInfo(lcSound) << "sound output lost:" << pa_strerror(pa_context_errno(m_context));
    m_ready = false;
    closeStream();
    ++m_epoch;
    notify();
    scheduleRetry();
}

bool PulseStream::startStream()
{
    m_stream = pa_stream_new(m_context, "Quozzoli", &SampleFormat, nullptr);
    if (!m_stream)
        return false;
    pa_stream_set_state_callback(m_stream, &PulseStream::streamChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseStream::writable, this);
    pa_stream_set_underflow_callback(m_stream, &PulseStream::ranDry, this);
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength
        = std::uint32_t(pa_usec_to_bytes(pa_usec_t(BufferMs) * PA_USEC_PER_MSEC, &SampleFormat));
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    const auto flags
        = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        closeStream();
        return false;
    }
    return true;
}

void PulseStream::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream); // what it still holds is dropped
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void PulseStream::streamChanged(pa_stream *stream, void *self)
{
    auto *that = static_cast<PulseStream *>(self);
    if (stream != that->m_stream)
        return;
    if (pa_stream_get_state(stream) == PA_STREAM_READY) {
        const pa_buffer_attr *granted = pa_stream_get_buffer_attr(stream);
        qCDebug(lcSound) << "stream buffer"
                         << pa_bytes_to_usec(granted->tlength, &SampleFormat) / 1000
                         << "ms, refilled by"
                         << pa_bytes_to_usec(granted->minreq, &SampleFormat) / 1000 << "ms";
    }
    if (pa_stream_get_state(stream) != PA_STREAM_FAILED)
        return;
    qCInfo(lcSound) << "sound stream failed:" << pa_strerror(pa_context_errno(that->m_context));
    that->closeStream();
    ++that->m_epoch;
    that->notify();
}

void PulseStream::writable(pa_stream *stream, std::size_t bytes, void *self)
{
    auto *that = static_cast<PulseStream *>(self);
    while (bytes >= sizeof(std::int16_t)) {
        void *data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &data, &size) < 0 || !data)
            return;
        size = std::min(size, bytes) / sizeof(std::int16_t) * sizeof(std::int16_t);
        that->m_queue.take(static_cast<std::int16_t *>(data), size / sizeof(std::int16_t));
        if (pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= size;
    }
}

void PulseStream::ranDry(pa_stream *, void *)
{
    // Never while the library's thread gets its turn.
    qCInfo(lcSound) << "the sound stream ran dry";
}

qint64 PulseStream::played() const
{
    pa_usec_t usec = 0;
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY
        || pa_stream_get_time(m_stream, &usec) < 0)
        return -1;
    return qint64(usec * Rate / PA_USEC_PER_SEC);
}

} // namespace Quozzoli
