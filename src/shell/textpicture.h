// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace Quozzoli {

// Text drawn as QPainter::drawText(rect, flags, text) draws it, with the
// painter's font and pen. Qt draws glyphs larger than 64 pixels as paths,
// filled afresh at every paint: at 3840 x 2160 that is most of a screen's
// repaint. Such a text, once it is drawn a second time at the same place of
// the device with the same font, colour and flags, is drawn into a
// transparent picture, which is kept and copied from then on. The copy gives
// every pixel the value the path filled on the screen gives it (an opaque
// colour blended by the path's coverage, then that blended over the
// background, rounds alike), so the picture is used only where that holds:
// one line of text, a solid opaque pen, a device scaled by its pixel ratio
// and shifted by whole pixels, the painter's ordinary blending, a font drawn
// as paths; any other text is drawn as before.
class TextPicture
{
public:
    static void draw(QPainter *painter, const QRect &rect, int flags, const QString &text);
};

} // namespace Quozzoli
