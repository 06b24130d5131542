// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "answerbox.h"
#include "services.h"
#include "sharedvalues.h"
#include "termspanel.h"

#include <QLabel>

namespace Quozzoli {

Form1::Form1(QWidget *parent)
    : ExerciseScreen(ScreenId::Form1, parent)
    , m_etNumero(makeProblemLabel(QStringLiteral("EtNumero")))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), canvas()))
    , m_terms(new TermsPanel(this, termsChoice(ScreenId::Form1)))
    , m_drawer(OneDigitDrawer::Kind::Exact, m_terms->drawer())
{
    setObjectName(QStringLiteral("Form1"));
    canvas()->place(m_etNumero, QRect(120, 960, 3555, 945), {36});
    canvas()->place(m_text1, QRect(3675, 960, 1065, 945), {36});
    m_text1->setAccessibleName(QStringLiteral("quoziente"));
    connect(m_text1, &AnswerBox::enterReleased, this, &Form1::text1KeyUp);
}

void Form1::formActivate()
{
    applyWaitSwitch();
    resetCounters();
    nuovaDivisione();
}

void Form1::nuovaDivisione()
{
    if (!m_drawer.canDraw()) {
        // No divisor is ticked: the problem waits for the child's choice.
        m_text1->setEnabled(false);
        m_terms->bringUp();
        return;
    }
    caricaColori();
    m_text1->clear();
    m_text1->setEnabled(true);
    m_text1->setFocus();

    const OneDigitDivision division = *m_drawer.draw(Services::random());
    SharedValues &values = shared();
    values.divisore = std::int16_t(division.divisor);
    values.quoziente = std::int16_t(division.quotient);
    values.dividendo = std::int16_t(division.dividend);
    m_etNumero->setText(written(values.dividendo) + QStringLiteral(" : ") + written(values.divisore)
                        + QStringLiteral(" = "));
}

void Form1::text1KeyUp()
{
    if (m_text1->text().isEmpty())
        return;
    if (!m_text1->holds(shared().quoziente)) {
        wrongEntry(m_text1);
        return;
    }
    showVerdict(true);
    if (waitsForAvanti())
        m_text1->setEnabled(false);
    problemSolved();
}

void Form1::bottoneAvantiClick()
{
    m_text1->setEnabled(true);
    ExerciseScreen::bottoneAvantiClick();
}

} // namespace Quozzoli
