// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardlayout.h"
#include "candyproblem.h"
#include "candysharing.h"
#include "childrenrow.h"
#include "exercisescreen.h"
#include "stepsequencer.h"

#include <QList>

#include <string>
#include <vector>

class QLabel;
class QTimer;

namespace Quozzoli {

class AnswerChain;
class AnswerPanel;
class BoardVoice;
class CandyPicture;

// The candy-and-children board of the four graphic screens. After a spoken
// introduction in three timed steps the child drags the candies onto the
// children, then types the answer into the panel that opens; a right answer
// is read back as a whole division.
//
// Voice prompts hold the screen until they end, but the step clock keeps
// ticking meanwhile: no step begins and no drop, Enter or click is handled
// while a prompt plays; such input is handled once it has ended.
class CandyBoard : public ExerciseScreen
{
    Q_OBJECT

public:
    static constexpr int Candies = 30;

    // What tells one board from another: its colour, where its faces and
    // "avanti" stand (twips), whether "Esatti" heads its count, and its layout.
    struct Setup
    {
        QColor colour;
        QPoint faces;
        QPoint avanti;
        bool esattiHeading = true;
        BoardLayout layout;
    };

    explicit CandyBoard(const Setup &setup, QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;

    void primoPasso();
    void secondoPasso();
    void terzoPasso();

    // A candy of this board dropped on a child picture.
    void imBambinoDragDrop(int child, int candy);
    // The digit key of a child pressed: the last candy on the table goes to
    // that child as if dropped on it. Ignored while the answer panel is open.
    void keyGive(int child);

    const BoardLayout &layout() const { return m_layout; }
    const CandyProblem &problem() const { return m_problem; }
    const CandySharing &sharing() const { return m_sharing; }
    int passo() const { return m_steps.passo(); }
    quint64 boardId() const { return m_boardId; }
    QTimer *timer1() const { return m_timer; }
    AnswerPanel *frame2() const { return m_panel; }
    bool speaking() const;

public slots:
    void timer1Timer();

protected:
    void bottoneAvantiClick() override;
    void closeEvent(QCloseEvent *event) override;
    void answerSolved(AnswerBox *last) override;
    void whenQuiet(std::function<void()> input) override;

private:
    QList<CandyPicture *> buildTable();
    void connectChildren();
    void buildCaptions();
    void buildPanel();
    void buildKeys();

    void restartWait();
    void takeCandy(int child, int candy);
    void refuseCandy();
    void openPanel();
    bool say(const std::vector<std::string> &files);

    const BoardLayout &m_layout;
    const quint64 m_boardId;
    CandySharing m_sharing;
    StepSequencer m_steps;
    CandyProblem m_problem;
    QList<CandyPicture *> m_candies; // made first: the children stand in front of them
    ChildrenRow m_children;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    AnswerPanel *m_panel = nullptr;
    AnswerChain *m_answers = nullptr;
    QTimer *m_timer;
    BoardVoice *m_voice;
};

} // namespace Quozzoli
