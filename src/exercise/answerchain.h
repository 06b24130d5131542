// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>

namespace Quozzoli {

class AnswerBox;
class ExerciseScreen;

// The answer boxes of a problem, filled one after the other. A box is judged
// when Enter is released in it, and only while it is its turn: a wrong entry
// is counted and left in the box for correcting; a right one closes the box
// and opens the next or, in the last box, solves the problem, which the
// screen then completes (see ExerciseScreen::answerSolved).
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

    struct Answer
    {
        AnswerBox *box;
        long expected;
    };

    // The boxes are every box the screen may ask an answer in.
    AnswerChain(ExerciseScreen *screen, const QList<AnswerBox *> &boxes);
    AnswerChain(ExerciseScreen *screen, const QList<AnswerBox *> &boxes, Rules rules);

    // A new problem answered in these boxes, in this order: each emptied, the
    // first open and in focus, the others closed until their turn.
    void start(const QList<Answer> &answers);
    // No problem to answer: every box closed.
    void stop();

private:
    void judge(AnswerBox *box);

    ExerciseScreen *m_screen;
    QList<AnswerBox *> m_boxes;
    Rules m_rules;
    QList<Answer> m_answers;
    qsizetype m_turn = -1; // none: nothing is asked
};

} // namespace Quozzoli
