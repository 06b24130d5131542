// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twodigitscreen.h"

#include "answerbox.h"
#include "answerchain.h"
#include "randomsource.h"
#include "services.h"
#include "sharedvalues.h"

#include <QLabel>

namespace Quozzoli {

namespace {

constexpr qreal DigitPoints = 36;
constexpr qreal RemainderPoints = 18;

long tensOfQuotient()
{
    return shared().quoziente / 10;
}

long unitsOfQuotient()
{
    return shared().quoziente % 10;
}

} // namespace

TwoDigitScreen::TwoDigitScreen(const Setup &setup, QWidget *parent)
    : ExerciseScreen(setup.frame, parent)
    , m_drawer(setup.draw)
    , m_etNumero(makeProblemLabel(QStringLiteral("EtNumero")))
{
    canvas()->place(m_etNumero, setup.etNumero, {DigitPoints});

    // Black reads better than white on pure red; white reads on blue.
    AnswerBox *edar = addBox(QStringLiteral("Edar"), setup.edar, DigitPoints);
    edar->setBoxColour(QColor(255, 0, 0), Qt::black);
    edar->setAccessibleName(QStringLiteral("decine"));
    AnswerBox *eur = addBox(QStringLiteral("Eur"), setup.eur, DigitPoints);
    eur->setBoxColour(QColor(0, 0, 255), Qt::white);
    eur->setAccessibleName(QStringLiteral("unità"));
    setTabOrder(edar, eur);

    if (withRemainder()) {
        QLabel *label3 = makeProblemLabel(QStringLiteral("Label3"));
        label3->setText(QStringLiteral("R."));
        canvas()->place(label3, setup.label3, {DigitPoints});
        AnswerBox *text2 = addBox(QStringLiteral("Text2"), setup.text2, RemainderPoints);
        text2->setAccessibleName(QStringLiteral("resto"));
        setTabOrder(eur, text2);
    }
    m_answers = makeAnswerChain(m_boxes);
}

AnswerBox *TwoDigitScreen::addBox(const QString &name, const QRect &twips, qreal points)
{
    auto *box = new AnswerBox(name, canvas());
    canvas()->place(box, twips, {points});
    m_boxes.append(box);
    return box;
}

void TwoDigitScreen::formLoad()
{
    resetCounters();
}

void TwoDigitScreen::formActivate()
{
    applyWaitSwitch();
    nuovaDivisione();
}

void TwoDigitScreen::nuovaDivisione()
{
    caricaColori();
    const TwoDigitDivision division = m_drawer.draw(Services::random());
    SharedValues &values = shared();
    values.divisore = std::int16_t(division.divisore);
    values.quoziente = std::int16_t(division.quoziente);
    values.dividendo = std::int16_t(division.dividendo);
    if (withRemainder())
        values.resto = std::int16_t(division.resto);

    // The remainder screens leave room after the equals sign.
    const QString equals = withRemainder() ? QStringLiteral(" =    ") : QStringLiteral(" = ");
    m_etNumero->setText(written(values.dividendo) + QStringLiteral(" : ") + written(values.divisore)
                        + equals);
    // Tens, units and, with a remainder, the remainder, in their boxes' order.
    const std::function<long()> expected[]
        = {tensOfQuotient, unitsOfQuotient, AnswerChain::reading(values.resto)};
    QList<AnswerChain::Answer> answers;
    for (qsizetype step = 0; step < m_boxes.size(); ++step)
        answers.append({m_boxes.at(step), expected[step]});
    m_answers->start(answers);
}

} // namespace Quozzoli
