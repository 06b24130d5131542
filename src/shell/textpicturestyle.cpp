// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textpicturestyle.h"

#include "textpicture.h"

#include <QApplication>
#include <QPainter>

namespace Quozzoli {

void TextPictureStyle::install()
{
    if (qobject_cast<TextPictureStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new TextPictureStyle);
}

void TextPictureStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                                    const QPalette &palette, bool enabled, const QString &text,
                                    QPalette::ColorRole textRole) const
{
    // A disabled text is drawn in the desktop's own way (etched, on some).
    if (!enabled || text.isEmpty()) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    // As Qt's styles draw an enabled text.
    const QPen saved = painter->pen();
    if (textRole != QPalette::NoRole)
        painter->setPen(QPen(palette.brush(textRole), saved.widthF()));
    TextPicture::draw(painter, rect, flags, text);
    painter->setPen(saved);
}

} // namespace Quozzoli
