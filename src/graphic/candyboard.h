// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardinput.h"
#include "boardlayout.h"
#include "boardsetup.h"
#include "candyproblem.h"
#include "candysharing.h"
#include "candytable.h"
#include "childrenrow.h"
#include "exercisescreen.h"
#include "stepsequencer.h"

#include <deque>

class QTimer;

namespace Quozzoli {

class AnswerChain;
class AnswerPanel;
class BoardVoice;
class BoardWords;

// The candy-and-children board of the four graphic screens. After a spoken
// introduction in three timed steps the child gives the candies to the
// children, then types the answer into the panel that opens; a right answer
// is read back as a whole division. A problem goes through these states:
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
// A right quotient leads to WaitingForRemainder on the boards that ask for
// it, to Solved on the others; a right remainder to Solved. Besides, the
// board may be speaking: then the step clock waits, and every other input
// is held and handled, in order, once the sentence has ended. Closing the
// window silences the voice and drops what was held.
class CandyBoard : public ExerciseScreen
{
    Q_OBJECT

public:
    static constexpr int Candies = CandyTable::Candies;

    enum class State {
        WaitingForStep1,
        CandiesShown,
        ChildrenShown,
        Sharing,
        AnswerPanelOpen,
        WaitingForRemainder,
        Solved,
    };

    using Setup = BoardSetup;

    explicit CandyBoard(const Setup &setup, QWidget *parent = nullptr);
    ~CandyBoard() override;

    void formActivate() override;
    void nuovaDivisione() override;

    // A candy of this board dropped on a child picture.
    void imBambinoDragDrop(int child, int candy);
    // The digit key of a child pressed: the last candy on the table goes to
    // that child as if dropped on it.
    void keyGive(int child);

    State state() const { return m_state; }
    bool speaking() const;
    const BoardLayout &layout() const { return m_layout; }
    const CandyProblem &problem() const { return m_problem; }
    const CandySharing &sharing() const { return m_sharing; }
    int passo() const { return m_steps.passo(); }
    quint64 boardId() const { return m_boardId; }
    QTimer *timer1() const { return m_timer; }
    AnswerPanel *frame2() const { return m_panel; }

public slots:
    void timer1Timer();

protected:
    void bottoneAvantiClick() override;
    void closeEvent(QCloseEvent *event) override;
    void answerSolved(AnswerBox *last) override;

private:
    using Action = BoardInput::Action;

    void primoPasso();
    void secondoPasso();
    void terzoPasso();
    void sayStep(int step);
    void restartWait();

    void receive(const Action &input);
    void handleHeld();
    void handle(const Action &input);
    void share(int child, int candy);
    void openPanel();
    void judge(AnswerBox *box);
    void nextProblem();

    const BoardLayout &m_layout;
    const quint64 m_boardId;
    State m_state = State::WaitingForStep1;
    CandySharing m_sharing;
    StepSequencer m_steps;
    CandyProblem m_problem;
    CandyTable m_table; // made first: the children stand in front of the candies
    ChildrenRow m_children;
    std::unique_ptr<BoardWords> m_words;
    AnswerPanel *m_panel;
    BoardInput *m_input;
    AnswerChain *m_answers;
    QTimer *m_timer;
    BoardVoice *m_voice;
    std::deque<Action> m_held;
};

} // namespace Quozzoli
