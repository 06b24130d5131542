// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "answerbox.h"
#include "services.h"
#include "sharedvalues.h"
#include "termspanel.h"

#include <QLabel>

namespace Quozzoli {

namespace {

const ExerciseFrame &frame()
{
    static const ExerciseFrame frame {
        .clientTwips = {9900, 6720},
        .designColour = {0, 192, 0},
        .faces = {7320, 360},
        .esatti = {7635, 1200},
        .errati = {7755, 2040},
        .avanti = {3720, 4320},
        .colours = ColourTableVariant::Standard,
        .menu = exerciseMenu(11, {Form1::terms().menuEntry(11)}, 11),
    };
    return frame;
}

} // namespace

const TermsChoice &Form1::terms()
{
    static const TermsChoice divisors {"mnuTermini", 9, 1, 9};
    return divisors;
}

Form1::Form1(QWidget *parent)
    : ExerciseScreen(frame(), parent)
    , m_etNumero(makeProblemLabel(QStringLiteral("EtNumero")))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), canvas()))
    , m_terms(new TermsPanel(this, terms()))
    , m_drawer(OneDigitDrawer::Kind::Exact, m_terms->drawer())
    , m_answers(makeAnswerChain({m_text1}))
{
    setObjectName(QStringLiteral("Form1"));
    canvas()->place(m_etNumero, QRect(120, 960, 3555, 945), {36});
    canvas()->place(m_text1, QRect(3675, 960, 1065, 945), {36});
    m_text1->setAccessibleName(QStringLiteral("quoziente"));
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
        m_answers->stop();
        m_terms->bringUp();
        return;
    }
    caricaColori();
    const OneDigitDivision division = *m_drawer.draw(Services::random());
    SharedValues &values = shared();
    values.divisore = std::int16_t(division.divisor);
    values.quoziente = std::int16_t(division.quotient);
    values.dividendo = std::int16_t(division.dividend);
    m_etNumero->setText(written(values.dividendo) + QStringLiteral(" : ") + written(values.divisore)
                        + QStringLiteral(" = "));
    m_answers->start({{m_text1, AnswerChain::reading(values.quoziente)}});
}

} // namespace Quozzoli
