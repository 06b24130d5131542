// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audiostream.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace Quozzoli {

namespace {

// Qt 6.4 asks PulseAudio for this much latency, split between the server's
// buffer for the stream and the sink. The stream buffer, some 170 ms, is how
// long the program may be held up before a sound breaks. Qt asks for what
// it was granted last time when the stream is opened again, about half: so
// it is set each time.
constexpr qsizetype BufferBytes = 26460;
// The server does not play a new stream before its buffer is nearly full
// (a short sound alone would never start), and it drops the very first
// milliseconds: a sound comes after some silence (Lead), and silence fills
// the rest.
// Silence after a sound keeps the stream playing past its end, so that the
// server tells when the last sample has been played.
constexpr qint64 Tail = AudioStream::frames(60);

bool isFailure(QAudio::Error error)
{
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

} // namespace

AudioStream::AudioStream(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &AudioStream::feed);
}

AudioStream::~AudioStream() = default;

bool AudioStream::open()
{
    if (m_sink)
        return true;
    // Without a server every try fails at once, but Qt warns each time.
    if (m_lastAttempt.isValid() && m_lastAttempt.elapsed() < RetryMs)
        return false;
    m_lastAttempt.start();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        qCDebug(lcSound) << "no sound output";
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(Rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = new QAudioSink(device, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && m_sink && isFailure(m_sink->error()))
            lose();
    });
    // The first stream takes longest to open: not with the first sound.
    if (!startStream())
        return false;
    closeStream();
    qCDebug(lcSound) << "output on" << device.description();
    return true;
}

bool AudioStream::startStream()
{
    closeStream();
    const auto epoch = ++m_epoch;
    m_queue.reset();
    m_unsent.clear();
    m_heardSince.invalidate();
    m_sink->setBufferSize(BufferBytes);
    m_device = m_sink->start();
    if (m_epoch != epoch)
        return false; // the server was lost while starting, and the sink with it
    if (!m_device || isFailure(m_sink->error())) {
        lose();
        return false;
    }
    m_fillTo = m_sink->bufferSize() / qsizetype(sizeof(std::int16_t));
    m_timer->start();
    return true;
}

void AudioStream::closeStream()
{
    m_timer->stop();
    if (m_device) {
        m_device = nullptr;
        m_sink->stop(); // what it still holds is dropped
    }
}

void AudioStream::lose()
{
    if (!m_sink)
        return;
    qCInfo(lcSound) << "sound output lost:" << m_sink->error();
    m_timer->stop();
    m_device = nullptr;
    m_sink->disconnect(this);
    m_sink->deleteLater(); // this may run inside one of its signals
    m_sink = nullptr;
    ++m_epoch;
    m_lastAttempt.start();
    advanced();
}

qint64 AudioStream::played() const
{
    return m_device ? m_sink->processedUSecs() * Rate / 1000000 : 0;
}

void AudioStream::setAdvancedHandler(std::function<void()> handler)
{
    m_advanced = std::move(handler);
}

void AudioStream::advanced()
{
    if (m_advanced)
        m_advanced();
}

std::optional<AudioStream::Mark> AudioStream::play(SampleQueue::Clips clips)
{
    if (!open() || !startStream())
        return std::nullopt;
    const qint64 end = m_queue.start(std::move(clips), Lead);
    feed();
    if (!m_device)
        return std::nullopt;
    return Mark {m_epoch, end};
}

void AudioStream::stop()
{
    if (m_sink)
        closeStream();
    ++m_epoch;
    advanced();
}

bool AudioStream::reached(const Mark &mark) const
{
    return !m_device || mark.epoch != m_epoch || played() >= mark.frame;
}

void AudioStream::feed()
{
    if (!m_device)
        return;
    if (isFailure(m_sink->error())) {
        lose();
        return;
    }
    const qint64 wanted = std::max<qint64>(m_queue.soundEnd() + Tail, m_fillTo) - m_queue.written();
    const qint64 room = m_sink->bytesFree() / 2 - qint64(m_unsent.size());
    const qint64 taken = std::min(wanted, room);
    if (taken > 0) {
        const std::size_t old = m_unsent.size();
        m_unsent.resize(old + std::size_t(taken));
        m_queue.take(m_unsent.data() + old, std::size_t(taken));
    }
    if (!m_unsent.empty()) {
        const qint64 sent = m_device->write(reinterpret_cast<const char *>(m_unsent.data()),
                                            qint64(m_unsent.size() * sizeof(std::int16_t)));
        if (!m_device)
            return; // lost meanwhile
        if (sent < 0) {
            lose();
            return;
        }
        m_unsent.erase(m_unsent.begin(), m_unsent.begin() + std::ptrdiff_t(sent / 2));
    }
    if (played() >= m_queue.soundEnd()) {
        if (!m_heardSince.isValid())
            m_heardSince.start();
        else if (m_heardSince.elapsed() >= LingerMs)
            closeStream();
    }
    advanced();
}

} // namespace Quozzoli
