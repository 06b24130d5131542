// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercisescreen.h"
#include "quotientdrawer.h"

#include <QList>
#include <QRect>

class QLabel;

namespace Quozzoli {

class AnswerBox;

// The screens where the quotient is typed digit by digit: the tens in the red
// box, the units in the blue box and, on the screens with a remainder, the
// remainder in the box after "R.". Each box opens only once the one before it
// is right.
class TwoDigitScreen : public ExerciseScreen
{
    Q_OBJECT

public:
    // What tells one of these screens from another: its frame, how it draws
    // its divisions and where its problem line stands (twips).
    struct Setup
    {
        ExerciseFrame frame;
        DrawRule draw;
        QRect etNumero;
        QRect edar;
        QRect eur;
        QRect label3 = {}; // with a remainder only
        QRect text2 = {}; // with a remainder only
    };

    TwoDigitScreen(const Setup &setup, QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void nuovaDivisione() override;

private:
    bool withRemainder() const { return m_drawer.rule().withRemainder; }
    AnswerBox *addBox(const QString &name, const QRect &twips, qreal points);

    QuotientDrawer m_drawer;
    QLabel *m_etNumero;
    QList<AnswerBox *> m_boxes; // Edar, Eur (, Text2): in the order they are filled
    AnswerChain *m_answers = nullptr;
};

} // namespace Quozzoli
