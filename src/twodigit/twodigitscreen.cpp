// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twodigitscreen.h"

#include "answerbox.h"
#include "randomsource.h"
#include "services.h"
#include "sharedvalues.h"

#include <QLabel>

namespace Quozzoli {

namespace {

constexpr qreal DigitPoints = 36;
constexpr qreal RemainderPoints = 18;

enum Step { Tens, Units, Remainder };

} // namespace

TwoDigitScreen::TwoDigitScreen(ScreenId id, const Setup &setup, QWidget *parent)
    : ExerciseScreen(id, parent)
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
}

AnswerBox *TwoDigitScreen::addBox(const QString &name, const QRect &twips, qreal points)
{
    auto *box = new AnswerBox(name, canvas());
    canvas()->place(box, twips, {points});
    const int step = int(m_boxes.size());
    connect(box, &AnswerBox::enterReleased, this, [this, step] { judge(step); });
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

    AnswerBox *first = m_boxes.first();
    for (AnswerBox *box : std::as_const(m_boxes))
        box->setEnabled(box == first);
    first->setFocus();
    for (AnswerBox *box : std::as_const(m_boxes))
        box->clear();

    m_division = m_drawer.draw(Services::random());
    SharedValues &values = shared();
    values.divisore = std::int16_t(m_division.divisore);
    values.quoziente = std::int16_t(m_division.quoziente);
    values.dividendo = std::int16_t(m_division.dividendo);
    if (withRemainder())
        values.resto = std::int16_t(m_division.resto);

    // The remainder screens leave room after the equals sign.
    const QString equals = withRemainder() ? QStringLiteral(" =    ") : QStringLiteral(" = ");
    m_etNumero->setText(written(m_division.dividendo) + QStringLiteral(" : ")
                        + written(m_division.divisore) + equals);
    first->setFocus();
}

int TwoDigitScreen::expected(int step) const
{
    switch (Step(step)) {
    case Tens:
        return m_division.decine;
    case Units:
        return m_division.unita;
    case Remainder:
        return m_division.resto;
    }
    return 0;
}

void TwoDigitScreen::judge(int step)
{
    AnswerBox *box = m_boxes.at(step);
    if (box->text().isEmpty())
        return;
    if (!box->holds(expected(step))) {
        wrongEntry(box);
        return;
    }
    // A right entry always shows the happy face, the last one too: a child
    // who has just corrected a wrong answer must not keep seeing the sad face.
    showVerdict(true);
    box->setEnabled(false);
    if (step + 1 < m_boxes.size()) {
        AnswerBox *next = m_boxes.at(step + 1);
        next->setEnabled(true);
        next->setFocus();
        return;
    }
    problemSolved();
}

} // namespace Quozzoli
