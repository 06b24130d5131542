// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"

#include "numberreader.h"

#include <QKeyEvent>

#include <utility>

namespace Quozzoli {

AnswerBox::AnswerBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

bool AnswerBox::holds(long expected) const
{
    return typedNumberEquals(text().toStdString(), expected);
}

void AnswerBox::setBoxColour(const QColor &colour, const QColor &textColour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, textColour);
    setPalette(p);
}

static bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    // Enter is judged on its release; the press must not reach the window.
    if (isEnter(event)) {
        if (!event->isAutoRepeat())
            m_enterDown = true;
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::focusOutEvent(QFocusEvent *event)
{
    m_enterDown = false;
    QLineEdit::focusOutEvent(event);
}

void AnswerBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!isEnter(event) || event->isAutoRepeat() || !std::exchange(m_enterDown, false))
        return;
    emit enterReleased();
}

} // namespace Quozzoli
