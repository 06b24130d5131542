// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace Quozzoli {

class AnswerBox;
class ChildrenRow;

// What the child does on a board, as one stream of actions: a candy dropped
// on a child, a key 1 to 5, Enter released in an answer box. Enter is kept
// from the box until the board lets it through to be judged there.
class BoardInput : public QObject
{
    Q_OBJECT

public:
    struct Action
    {
        enum class Kind { Drop, Key, Enter, Avanti } kind;
        int child = -1;
        int candy = -1;
        AnswerBox *box = nullptr;
    };

    BoardInput(QWidget *board, const ChildrenRow &children, const QList<AnswerBox *> &boxes);

    // Enter released in the box, as if it had come only now.
    void letThrough(AnswerBox *box);

signals:
    void acted(const Quozzoli::BoardInput::Action &action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AnswerBox *m_through = nullptr;
};

} // namespace Quozzoli
