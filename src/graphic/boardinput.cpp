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

bool BoardInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_through || event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
        return false;
    emit acted({.kind = Action::Kind::Enter, .box = static_cast<AnswerBox *>(watched)});
    return true;
}

} // namespace Quozzoli
