// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardflow.h"
#include "boardlayout.h"
#include "boardsetup.h"
#include "candysharing.h"
#include "candytable.h"
#include "childrenrow.h"
#include "exercisescreen.h"
#include "stepsequencer.h"

class QTimer;

namespace Quozzoli {

class AnswerChain;
class AnswerPanel;
class BoardVoice;
class BoardWords;

// The candy-and-children board of the four graphic screens. After a spoken
// introduction in three timed steps the child gives the candies to the
// children, then types the answer into the panel that opens; a right answer
// is read back as a whole division. BoardFlow's table says what each input
// does in each state of a problem; the board shows it and speaks. While it
// speaks the step clock waits; closing the window silences the voice.
class CandyBoard : public ExerciseScreen
{
    Q_OBJECT

public:
    static constexpr int Candies = CandyTable::Candies;

    using Setup = BoardSetup;

    explicit CandyBoard(const Setup &setup, QWidget *parent = nullptr);
    ~CandyBoard() override;

    void formActivate() override;
    void nuovaDivisione() override;

    bool speaking() const;

public slots:
    void timer1Timer();

protected:
    void bottoneAvantiClick() override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void answerSolved(AnswerBox *last) override;

private:
    using Action = BoardFlow::Action;

    // The problem drawn in the first step, kept by the sharing.
    const CandyProblem &problem() const { return m_sharing.problem(); }

    void primoPasso();
    void secondoPasso();
    void sayStep(int step);

    void share(int child, int candy);
    void openPanel();
    void nextProblem();

    const BoardLayout &m_layout;
    const quint64 m_boardId;
    CandySharing m_sharing;
    StepSequencer m_steps;
    CandyTable m_table; // made first: the children stand in front of the candies
    ChildrenRow m_children;
    std::unique_ptr<BoardWords> m_words;
    AnswerPanel *m_panel;
    AnswerChain *m_answers;
    QTimer *m_timer;
    BoardVoice *m_voice;
    BoardFlow m_flow;
};

} // namespace Quozzoli
