// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace Quozzoli {

AfterFirstPaint::AfterFirstPaint(QWidget *window, std::function<void()> work)
    : QObject(window)
    , m_work(std::move(work))
{
    // An opaque child covering the whole window takes its paint events, so
    // watch the window and every widget inside it.
    window->installEventFilter(this);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void AfterFirstPaint::run(QWidget *window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_work) {
        // The picture goes to the window system once painted; a frame later
        // it is on the screen, and the work may take the processor.
        QTimer::singleShot(FrameMs, Qt::PreciseTimer,
                           [work = std::exchange(m_work, nullptr)] { work(); });
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Quozzoli
