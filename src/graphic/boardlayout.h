// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candysharing.h"
#include "problemrule.h"
#include "screenid.h"

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

    ProblemRule rule() const
    {
        return sharing == SharingMode::Partition ? ProblemRule::partition(remainder)
                                                 : ProblemRule::quotition(remainder);
    }
};

const BoardLayout &boardLayout(ScreenId id);

} // namespace Quozzoli
