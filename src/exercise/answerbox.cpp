// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"

#include "numberreader.h"

#include <QKeyEvent>

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
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (isEnter(event) && !event->isAutoRepeat())
        emit enterReleased();
}

} // namespace Quozzoli
