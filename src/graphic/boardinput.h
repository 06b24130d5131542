// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardflow.h"

#include <QList>
#include <QObject>

class QWidget;

namespace Quozzoli {

class AnswerBox;
class ChildrenRow;

// What the child does on a board, as one stream of actions: a candy dropped
// on a child, a key 1 to 5, a key typed or Enter released in an answer box.
// The keys of a box are kept from it until the board lets them through, so
// that what is typed during a prompt reaches the box after it, in order.
class BoardInput : public QObject
{
    Q_OBJECT

public:
    using Action = BoardFlow::Action;

    BoardInput(QWidget *board, const ChildrenRow &children, const QList<AnswerBox *> &boxes);

    // Enter released in the box, as if it had come only now.
    void letThrough(AnswerBox *box);
    // The key typed in the box, as if it had come only now.
    void letThrough(const Action &typed);

signals:
    void acted(const Quozzoli::BoardFlow::Action &action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AnswerBox *m_through = nullptr;
};

} // namespace Quozzoli
