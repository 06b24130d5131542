// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "answerbox.h"
#include "randomsource.h"
#include "services.h"
#include "termspanel.h"

#include <QLabel>

namespace Quozzoli {

namespace {

const ExerciseFrame &frame()
{
    static const ExerciseFrame frame {
        .clientTwips = {9900, 6720},
        .designColour = {255, 128, 0},
        .faces = {7320, 240},
        .esatti = {7680, 1200},
        .errati = {7800, 2040},
        .avanti = {4920, 3120},
        .colours = ColourTableVariant::Standard,
        .menu = exerciseMenu(11, {Form3::terms().menuEntry(11)}, 11),
    };
    return frame;
}

} // namespace

const TermsChoice &Form3::terms()
{
    static const TermsChoice divisors {"mnuTermini", 9, 1, 9};
    return divisors;
}

Form3::Form3(QWidget *parent)
    : ExerciseScreen(frame(), parent)
    , m_etNumero(makeProblemLabel(QStringLiteral("EtNumero")))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), canvas()))
    , m_label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("R."), canvas()))
    , m_text2(new AnswerBox(QStringLiteral("Text2"), canvas()))
    , m_terms(new TermsPanel(this, terms()))
    , m_drawer(OneDigitDrawer::Kind::WithRemainder, m_terms->drawer())
    , m_answers(makeAnswerChain({m_text1, m_text2}))
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
        m_answers->stop();
        m_terms->bringUp();
        return;
    }
    caricaColori();
    m_problem = *m_drawer.draw(Services::random());
    m_etNumero->setText(written(m_problem.dividend) + QStringLiteral(" : ")
                        + written(m_problem.divisor) + QStringLiteral(" =    "));
    m_answers->start({{m_text1, AnswerChain::reading(m_problem.quotient)},
                      {m_text2, AnswerChain::reading(m_problem.remainder)}});
}

} // namespace Quozzoli
