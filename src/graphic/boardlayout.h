// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candysharing.h"
#include "problemrule.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace Quozzoli {

// What tells the four candy boards apart: how they share and what they ask,
// their step clock, the answer panel's place and layout (twips, inside the
// panel relative to it) and the captions.
struct BoardLayout
{
    SharingMode sharing = SharingMode::Partition;
    bool remainder = false; // the remainder is asked after the quotient
    int timerMs = 100;
    QPoint panelAt;
    qreal panelPoints = 72; // the division, "resto di" and the boxes
    QRect label7;
    QRect text1;
    QRect label6; // remainder screens only
    QRect text2; // remainder screens only
    int label4Width = 6735;
    QString label5Caption;
    int label5Width = 6735;

    // The layout of a board that asks the quotient only, and of one that
    // asks the remainder after it; the captions name the child's task.
    static BoardLayout quotientOnly(SharingMode sharing, int labelWidth, const QString &task);
    static BoardLayout withRemainder(SharingMode sharing, int timerMs, QPoint panelAt,
                                     int labelWidth, const QString &task);

    ProblemRule rule() const
    {
        return sharing == SharingMode::Partition ? ProblemRule::partition(remainder)
                                                 : ProblemRule::quotition(remainder);
    }
};

} // namespace Quozzoli
