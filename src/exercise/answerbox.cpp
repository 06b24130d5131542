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

static bool edits(const AnswerBox::Keystroke &keystroke)
{
    switch (keystroke.key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return !keystroke.text.isEmpty() && keystroke.text.front().isPrint();
    }
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
    // Only what edits the box is kept; other keys go their way at once.
    const Keystroke keystroke {event->key(), event->text()};
    if (m_gate && edits(keystroke) && m_gate(keystroke)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::type(const Keystroke &keystroke)
{
    if (!isEnabled())
        return; // closed meanwhile: it takes no keys now
    switch (keystroke.key) {
    case Qt::Key_Backspace:
        backspace();
        return;
    case Qt::Key_Delete:
        del();
        return;
    case Qt::Key_Left:
        cursorBackward(false);
        return;
    case Qt::Key_Right:
        cursorForward(false);
        return;
    case Qt::Key_Home:
        home(false);
        return;
    case Qt::Key_End:
        end(false);
        return;
    default:
        if (edits(keystroke))
            insert(keystroke.text);
    }
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
