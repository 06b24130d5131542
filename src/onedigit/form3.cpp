// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "answerbox.h"
#include "randomsource.h"
#include "services.h"
#include "termspanel.h"

#include <QLabel>

namespace Quozzoli {

Form3::Form3(QWidget *parent)
    : ExerciseScreen(ScreenId::Form3, parent)
    , m_etNumero(makeProblemLabel(QStringLiteral("EtNumero")))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), canvas()))
    , m_label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("R."), canvas()))
    , m_text2(new AnswerBox(QStringLiteral("Text2"), canvas()))
    , m_terms(new TermsPanel(this, termsChoice(ScreenId::Form3)))
    , m_drawer(OneDigitDrawer::Kind::WithRemainder, m_terms->drawer())
{
    setObjectName(QStringLiteral("Form3"));
    useOwnCounters();
    canvas()->place(m_etNumero, QRect(120, 960, 2400, 735), {24});
    canvas()->place(m_text1, QRect(2520, 960, 855, 735), {18});
    m_label3->setWordWrap(false);
    canvas()->place(m_label3, QRect(4620, 945, 825, 825), {36});
    canvas()->place(m_text2, QRect(5460, 960, 855, 735), {18});
    m_text2->setEnabled(false);
    m_text1->setAccessibleName(QStringLiteral("quoziente"));
    m_text2->setAccessibleName(QStringLiteral("resto"));
    connect(m_text1, &AnswerBox::enterReleased, this, &Form3::text1KeyUp);
    connect(m_text2, &AnswerBox::enterReleased, this, &Form3::text2KeyUp);
}

void Form3::formActivate()
{
    applyWaitSwitch();
    Services::random().seedFromClock();
    resetCounters();
    nuovaDivisione();
}

void Form3::nuovaDivisione()
{
    if (!m_drawer.canDraw()) {
        // No divisor is ticked: the problem waits for the child's choice.
        m_text1->setEnabled(false);
        m_text2->setEnabled(false);
        m_terms->bringUp();
        return;
    }
    caricaColori();
    m_text1->clear();
    m_text2->clear();
    m_text1->setEnabled(true);
    m_text1->setFocus();

    m_problem = *m_drawer.draw(Services::random());
    m_text2->setEnabled(false);
    m_etNumero->setText(written(m_problem.dividend) + QStringLiteral(" : ")
                        + written(m_problem.divisor) + QStringLiteral(" =    "));
}

void Form3::text1KeyUp()
{
    if (m_text1->text().isEmpty())
        return;
    if (!m_text1->holds(m_problem.quotient)) {
        wrongEntry(m_text1);
        return;
    }
    showVerdict(true);
    m_text1->setEnabled(false);
    m_text2->setEnabled(true);
    m_text2->setFocus();
}

void Form3::text2KeyUp()
{
    if (m_text2->text().isEmpty())
        return;
    if (!m_text2->holds(m_problem.remainder)) {
        wrongEntry(m_text2);
        return;
    }
    showVerdict(true);
    m_text2->setEnabled(false);
    problemSolved();
}

void Form3::bottoneAvantiClick()
{
    m_text1->setEnabled(true);
    ExerciseScreen::bottoneAvantiClick();
}

} // namespace Quozzoli
