// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answerbox.h"

#include <deque>
#include <functional>

namespace Quozzoli {

// The course of one problem on a candy board, and what the child's input
// does in each of its states:
//
//   state               a tick                a drop or a key 1-5   Enter          "avanti"
//   WaitingForStep1     step 1: CandiesShown  -                     -              -
//   CandiesShown        step 2: ChildrenShown -                     -              -
//   ChildrenShown       step 3: Sharing       shares; the last one  -              -
//   Sharing             -                       opens the panel     -              -
//   AnswerPanelOpen     step 3 if not yet     -                     quotient       -
//   WaitingForRemainder step 3 if not yet     -                     remainder      -
//   Solved              step 3 if not yet     -                     -              next problem
//
// The first four states are the step reached, which the step clock keeps;
// the flow asks it. A right quotient leads to WaitingForRemainder on the boards that ask for
// it, to Solved on the others; a right remainder to Solved. A key typed in
// an answer box reaches it in every state. Besides, the board may be
// speaking: then every input is held and handled, in order, once the
// sentence has ended. Closing the board drops what was held. A key typed in
// a box comes here only to be held: otherwise the box takes it at once.
class BoardFlow
{
public:
    enum class State {
        WaitingForStep1,
        CandiesShown,
        ChildrenShown,
        Sharing,
        AnswerPanelOpen,
        WaitingForRemainder,
        Solved,
    };

    // One thing the child does on the board: a candy dropped on a child, a
    // key 1 to 5, a key typed or Enter released in an answer box, "avanti".
    struct Action
    {
        enum class Kind { Drop, Key, Type, Enter, Avanti } kind;
        int child = -1;
        int candy = -1;
        AnswerBox *box = nullptr;
        AnswerBox::Keystroke typed {};
    };

    // What the flow has the board do.
    struct Board
    {
        std::function<bool()> speaking;
        // The step of the introduction reached (0 to 3).
        std::function<int()> stepReached;
        // The candy a key gives: the last one on the table.
        std::function<int()> lastCandy;
        std::function<void(int child, int candy)> share;
        std::function<void(const Action &typed)> type;
        std::function<void(AnswerBox *box)> judge;
        std::function<void()> nextProblem;
    };

    explicit BoardFlow(Board board);

    State state() const;

    void newProblem() { m_state = State::WaitingForStep1; }
    void panelOpened() { m_state = State::AnswerPanelOpen; }
    // A right quotient with the remainder still to answer.
    void quotientRight();
    void solved() { m_state = State::Solved; }

    // The input is handled now, or held if the board speaks or holds some.
    void receive(const Action &input);
    // The input is held if the board speaks or holds some; if not (false),
    // the caller acts on it now.
    bool hold(const Action &input);
    // The board is quiet again: what was held is handled, in order, until
    // it speaks again.
    void handleHeld();
    void dropHeld() { m_held.clear(); }

private:
    void handle(const Action &input);

    Board m_board;
    // WaitingForStep1 until the panel opens: the step says the state then.
    State m_state = State::WaitingForStep1;
    std::deque<Action> m_held;
};

} // namespace Quozzoli
