// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "streamedoutput.h"

#include <QTimer>

#include <utility>

namespace Quozzoli {

StreamedOutput::StreamedOutput(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &StreamedOutput::tick);
}

std::optional<SoundOutput::Mark> StreamedOutput::play(SampleQueue::Clips clips)
{
    if (!open())
        return std::nullopt;
    Mark mark;
    {
        Locked locked(*this);
        if (!isReady())
            return std::nullopt;
        closeStream();
        ++m_epoch;
        m_queue.reset();
        mark = {m_epoch, m_queue.start(std::move(clips), Lead)};
        if (!startStream())
            return std::nullopt;
    }
    m_heardSince.invalidate();
    m_timer->start();
    return mark;
}

void StreamedOutput::stop()
{
    {
        Locked locked(*this);
        closeStream();
        ++m_epoch;
    }
    m_timer->stop();
    advanced();
}

bool StreamedOutput::reached(const Mark &mark) const
{
    Locked locked(*this);
    return !hasStream() || mark.epoch != m_epoch || played() >= mark.frame;
}

void StreamedOutput::setAdvancedHandler(std::function<void()> handler)
{
    m_advanced = std::move(handler);
}

void StreamedOutput::notify()
{
    if (m_notifying.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_notifying = false;
            advanced();
        },
        Qt::QueuedConnection);
}

void StreamedOutput::tick()
{
    bool open = false;
    bool heard = false;
    {
        Locked locked(*this);
        open = hasStream();
        heard = open && played() >= m_queue.soundEnd();
        if (heard && m_heardSince.isValid() && m_heardSince.elapsed() >= LingerMs) {
            closeStream();
            open = false;
        }
    }
    if (heard && !m_heardSince.isValid())
        m_heardSince.start();
    if (!open)
        m_timer->stop();
    advanced();
}

void StreamedOutput::advanced()
{
    if (m_advanced)
        m_advanced();
}

} // namespace Quozzoli
