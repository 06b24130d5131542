// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercisescreen.h"
#include "onedigitdrawer.h"

namespace Quozzoli {

class AnswerChain;
class TermsPanel;
struct TermsChoice;

// One-digit quotients without remainder: " 56 :  7 = " and the quotient.
class Form1 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // The divisors the child may choose among.
    static const TermsChoice &terms();

    void formActivate() override;
    void nuovaDivisione() override;

    TermsPanel *termsPanel() const { return m_terms; }

private:
    QLabel *m_etNumero;
    AnswerBox *m_text1;
    TermsPanel *m_terms;
    OneDigitDrawer m_drawer;
    AnswerChain *m_answers;
};

} // namespace Quozzoli
