// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlayout.h"

#include <QHash>

namespace Quozzoli {

namespace {

const QString ScopriCaramelle = QStringLiteral("Scopri quante caramelle avrà ogni bambino");
const QString ScopriBambini = QStringLiteral("Scopri quanti bambini si possono accontentare");

BoardLayout quotientOnly(SharingMode sharing, int labelWidth, const QString &task)
{
    BoardLayout layout;
    layout.sharing = sharing;
    layout.remainder = false;
    layout.timerMs = 100;
    layout.panelAt = QPoint(0, 0);
    layout.panelPoints = 72;
    layout.label7 = QRect(120, 960, 5535, 1575);
    layout.text1 = QRect(5640, 840, 2295, 2055);
    layout.label4Width = labelWidth;
    layout.label5Caption = task;
    layout.label5Width = labelWidth;
    return layout;
}

BoardLayout withRemainder(SharingMode sharing, int timerMs, QPoint panelAt, int labelWidth,
                          const QString &task)
{
    BoardLayout layout;
    layout.sharing = sharing;
    layout.remainder = true;
    layout.timerMs = timerMs;
    layout.panelAt = panelAt;
    layout.panelPoints = 60;
    layout.label7 = QRect(120, 360, 4455, 1575);
    layout.text1 = QRect(4560, 360, 1575, 1515);
    layout.label6 = QRect(120, 2040, 4455, 1455);
    layout.text2 = QRect(4560, 1920, 1575, 1515);
    layout.label4Width = labelWidth;
    layout.label5Caption = task;
    layout.label5Width = labelWidth;
    return layout;
}

QHash<ScreenId, BoardLayout> makeLayouts()
{
    return {
        {ScreenId::Form6, quotientOnly(SharingMode::Partition, 6735, ScopriCaramelle)},
        {ScreenId::Form7, quotientOnly(SharingMode::Quotition, 7095, ScopriBambini)},
        {ScreenId::Form8,
         withRemainder(SharingMode::Partition, 100, QPoint(0, 0), 6735, ScopriCaramelle)},
        {ScreenId::Form9,
         withRemainder(SharingMode::Quotition, 1000, QPoint(0, 1680), 7095, ScopriBambini)},
    };
}

} // namespace

const BoardLayout &boardLayout(ScreenId id)
{
    static const QHash<ScreenId, BoardLayout> layouts = makeLayouts();
    static const BoardLayout none {};
    auto it = layouts.constFind(id);
    return it == layouts.constEnd() ? none : *it;
}

} // namespace Quozzoli
