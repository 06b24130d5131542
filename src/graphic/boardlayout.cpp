// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlayout.h"

namespace Quozzoli {

BoardLayout BoardLayout::quotientOnly(SharingMode sharing, int labelWidth, const QString &task)
{
    BoardLayout layout;
    layout.sharing = sharing;
    layout.label7 = QRect(120, 960, 5535, 1575);
    layout.text1 = QRect(5640, 840, 2295, 2055);
    layout.label4Width = labelWidth;
    layout.label5Caption = task;
    layout.label5Width = labelWidth;
    return layout;
}

BoardLayout BoardLayout::withRemainder(SharingMode sharing, int timerMs, QPoint panelAt,
                                       int labelWidth, const QString &task)
{
    BoardLayout layout = quotientOnly(sharing, labelWidth, task);
    layout.remainder = true;
    layout.timerMs = timerMs;
    layout.panelAt = panelAt;
    layout.panelPoints = 60;
    layout.label7 = QRect(120, 360, 4455, 1575);
    layout.text1 = QRect(4560, 360, 1575, 1515);
    layout.label6 = QRect(120, 2040, 4455, 1455);
    layout.text2 = QRect(4560, 1920, 1575, 1515);
    return layout;
}

} // namespace Quozzoli
