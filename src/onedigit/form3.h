// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercisescreen.h"
#include "onedigitdrawer.h"

namespace Quozzoli {

class AnswerChain;
class TermsPanel;
struct TermsChoice;

// One-digit quotients with a remainder: " 47 :  6 =    ", the quotient, "R."
// and the remainder, typed one after the other. The screen keeps its problem
// and its counts to itself.
class Form3 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // The divisors the child may choose among.
    static const TermsChoice &terms();

    void formActivate() override;
    void nuovaDivisione() override;

    TermsPanel *termsPanel() const { return m_terms; }
    const OneDigitDivision &problem() const { return m_problem; }

private:
    QLabel *m_etNumero;
    AnswerBox *m_text1;
    QLabel *m_label3;
    AnswerBox *m_text2;
    TermsPanel *m_terms;
    OneDigitDrawer m_drawer;
    OneDigitDivision m_problem;
    AnswerChain *m_answers;
};

} // namespace Quozzoli
