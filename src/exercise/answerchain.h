// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>

#include <functional>

namespace Quozzoli {

class AnswerBox;

// The answer boxes of a problem, filled one after the other. A box is judged
// only while it is its turn: a wrong entry is reported and left in the box
// for correcting; a right one closes the box and opens the next or, in the
// last box, solves the problem. What a verdict does on screen (faces, counts,
// sounds) is up to whoever listens to the signals.
class AnswerChain : public QObject
{
    Q_OBJECT

public:
    // What tells one screen's answering from another's.
    struct Rules
    {
        bool judgesEmpty = false; // an empty box is a wrong answer, not ignored
        bool everyRightEntrySmiles = true; // otherwise only the solving one does
    };

    // A box and where its expected number is read when the box is judged.
    struct Answer
    {
        AnswerBox *box;
        std::function<long()> expected;
    };

    // The expected number read from where the problem keeps it.
    template<class Value> static std::function<long()> reading(const Value &value)
    {
        return [&value] {
            return long(value);
        };
    }

    // The boxes are every box the screen may ask an answer in.
    AnswerChain(const QList<AnswerBox *> &boxes, Rules rules, QObject *parent);

    Rules rules() const { return m_rules; }

    // A new problem answered in these boxes, in this order: each emptied, the
    // first open and in focus, the others closed until their turn.
    void start(const QList<Answer> &answers);
    // No problem to answer: every box closed.
    void stop();

    // Enter was released in the box.
    void judge(AnswerBox *box);

signals:
    void wrong(Quozzoli::AnswerBox *box);
    // A right entry before the last: the next box is open and in focus.
    void right(Quozzoli::AnswerBox *box);
    // The last box was right: the problem is solved, nothing is asked now.
    void solved(Quozzoli::AnswerBox *last);

private:
    QList<AnswerBox *> m_boxes;
    Rules m_rules;
    QList<Answer> m_answers;
    qsizetype m_turn = -1; // none: nothing is asked
};

} // namespace Quozzoli
