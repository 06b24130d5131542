// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>

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
    struct Action
    {
        enum class Kind { Drop, Key, Type, Enter, Avanti } kind;
        int child = -1;
        int candy = -1;
        AnswerBox *box = nullptr;
        // A key typed in the box: pressed or released, and what it was.
        struct Typed
        {
            bool press = true;
            int key = 0;
            Qt::KeyboardModifiers modifiers;
            QString text;
            bool autoRepeat = false;
        } typed {};
    };

    BoardInput(QWidget *board, const ChildrenRow &children, const QList<AnswerBox *> &boxes);

    // Enter released in the box, as if it had come only now.
    void letThrough(AnswerBox *box);
    // The key typed in the box, as if it had come only now.
    void letThrough(const Action &typed);

signals:
    void acted(const Quozzoli::BoardInput::Action &action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AnswerBox *m_through = nullptr;
};

} // namespace Quozzoli
