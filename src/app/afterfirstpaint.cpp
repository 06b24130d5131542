#include "afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace Quozzoli {

AfterFirstPaint::AfterFirstPaint(QWidget *window, std::function<void()> work)
    : QObject(window)
    , m_work(std::move(work))
{
    window->installEventFilter(this);
}

void AfterFirstPaint::run(QWidget *window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After this paint has reached the screen.
        QTimer::singleShot(0, [work = std::move(m_work)] { work(); });
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Quozzoli
