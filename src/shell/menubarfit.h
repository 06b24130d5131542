// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QMenuBar;

namespace Quozzoli {

// A screen's menu bar grows and shrinks with its window like everything else
// on the screen: at the design size it is written in the desktop's menu font,
// at any other size in that font times the screen's scale. Where the commands
// would not all fit across the window (a large desktop font, long captions),
// the font is made just small enough that none of them hides behind the
// bar's » button. The captions are never changed.
class MenuBarFit
{
public:
    // The font the bar takes in a window `width` pixels wide whose client
    // area is drawn at `scale`.
    static QFont fontFor(const QMenuBar *bar, qreal scale, int width);
    // The bar's height in that font.
    static int heightFor(const QMenuBar *bar, qreal scale, int width);
    static void apply(QMenuBar *bar, qreal scale, int width);

    // The room every command of the bar needs, side by side, in `font`.
    static QSize sizeNeeded(const QMenuBar *bar, const QFont &font);
};

} // namespace Quozzoli
