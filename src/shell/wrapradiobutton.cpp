// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wrapradiobutton.h"

#include "accessibletext.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace Quozzoli {

WrapRadioButton::WrapRadioButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setAccessibleName(AccessibleText::spoken(caption));
}

bool WrapRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void WrapRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QStyleOptionButton indicator = option;
    const int side = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    indicator.rect = QRect(2, (height() - side) / 2, side, side);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
    const QRect textArea = rect().adjusted(side + 8, 0, -2, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option.text);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect
            = painter
                  .boundingRect(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                option.text)
                  .adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace Quozzoli
