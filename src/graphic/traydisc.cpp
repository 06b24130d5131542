// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "traydisc.h"

#include <QPainter>

namespace Quozzoli {

TrayDisc::TrayDisc(int index, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Shape1_%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
}

void TrayDisc::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(255, 0, 0));
    const qreal side = std::min(width(), height()) - 1.0;
    painter.drawEllipse(QRectF(0.5, 0.5, side, side));
}

} // namespace Quozzoli
