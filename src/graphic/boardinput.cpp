// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardinput.h"

#include "answerbox.h"
#include "candysharing.h"
#include "childpicture.h"
#include "childrenrow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace Quozzoli {

BoardInput::BoardInput(QWidget *board, const ChildrenRow &children, const QList<AnswerBox *> &boxes)
    : QObject(board)
{
    for (int n = 0; n < children.size(); ++n) {
        connect(children.child(n), &ChildPicture::candyDropped, this, [this](int child, int candy) {
            emit acted({.kind = Action::Kind::Drop, .child = child, .candy = candy});
        });
    }
    // The digits 1 to 5 share without a mouse; those of the keypad match
    // them too. A held key gives one candy, not one per repeat. An answer
    // box takes the digits typed into it before these see them.
    for (int n = 0; n < CandySharing::Children; ++n) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key(Qt::Key_1 + n)), board);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, n] { emit acted({.kind = Action::Kind::Key, .child = n}); });
    }
    for (AnswerBox *box : boxes)
        box->installEventFilter(this);
}

void BoardInput::letThrough(AnswerBox *box)
{
    m_through = box;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &release);
    m_through = nullptr;
}

void BoardInput::letThrough(const Action &typed)
{
    const Action::Typed &k = typed.typed;
    m_through = typed.box;
    QKeyEvent event(k.press ? QEvent::KeyPress : QEvent::KeyRelease, k.key, k.modifiers, k.text,
                    k.autoRepeat);
    QCoreApplication::sendEvent(typed.box, &event);
    m_through = nullptr;
}

bool BoardInput::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (watched == m_through || (!press && event->type() != QEvent::KeyRelease))
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    auto *box = static_cast<AnswerBox *>(watched);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !press && !key->isAutoRepeat()) {
        emit acted({.kind = Action::Kind::Enter, .box = box});
    } else {
        emit acted(
            {.kind = Action::Kind::Type,
             .box = box,
             .typed = {press, key->key(), key->modifiers(), key->text(), key->isAutoRepeat()}});
    }
    return true;
}

} // namespace Quozzoli
