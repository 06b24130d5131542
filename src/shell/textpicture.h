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
// repaint. Such a text is drawn once into a transparent picture, kept per
// text, font, colour, flags and size, and copied from there afterwards. The
// copy gives every pixel the same value as the path filled on the screen
// itself (an opaque colour blended by the path's coverage, then that picture
// blended over the background, rounds alike), so only where that holds is
// the picture used: one line of text, a solid opaque pen, no transformation
// but whole-pixel shifts, the painter's ordinary blending, a font drawn as
// paths; any other text is drawn as before.
class TextPicture
{
public:
    static void draw(QPainter *painter, const QRect &rect, int flags, const QString &text);

    // The pictures kept, their pixels' bytes at most.
    static void setCacheLimit(qsizetype bytes);
};

} // namespace Quozzoli
