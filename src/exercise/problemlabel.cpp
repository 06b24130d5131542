// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problemlabel.h"

#include "textpicture.h"

#include <QPainter>

#include <algorithm>

namespace Quozzoli {

ProblemLabel::ProblemLabel(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, p.color(QPalette::Text));
    setPalette(p);
}

QFont ProblemLabel::fittedFont() const
{
    QFont fitted = font();
    const int available = contentsRect().width();
    const int needed = QFontMetrics(fitted).horizontalAdvance(text());
    if (needed > available && available > 0 && fitted.pixelSize() > 0) {
        int size = std::max(6, fitted.pixelSize() * available / needed);
        fitted.setPixelSize(size);
        // Hinted glyphs do not shrink quite in proportion.
        while (size > 6 && QFontMetrics(fitted).horizontalAdvance(text()) > available)
            fitted.setPixelSize(--size);
    }
    return fitted;
}

void ProblemLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(QPalette::WindowText));
    TextPicture::draw(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine, text());
}

} // namespace Quozzoli
