// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "designcanvas.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace Quozzoli {

DesignCanvas::DesignCanvas(QSize designTwips, QWidget *parent)
    : QWidget(parent)
    , m_design(designTwips)
{
    setAutoFillBackground(true);
    resize(designPixels());
}

QSize DesignCanvas::designPixels() const
{
    return {pixels(m_design.width(), 1.0), pixels(m_design.height(), 1.0)};
}

int DesignCanvas::pixels(int twips, qreal scale)
{
    return int(std::lround(twips * scale / TwipsPerPixel));
}

int DesignCanvas::pixels(int twips) const
{
    return pixels(twips, m_scale);
}

int DesignCanvas::fontPixels(qreal points, qreal scale)
{
    // 96 pixels to the inch, 72 points to the inch.
    return std::max(1, int(std::lround(points * 96.0 / 72.0 * scale)));
}

void DesignCanvas::place(QWidget *widget, const QRect &twips, const DesignFont &font)
{
    if (!m_placements.contains(widget))
        m_order.append(widget);
    m_placements.insert(widget, {widget, twips, font});
    apply(m_placements.value(widget));
}

void DesignCanvas::moveTo(QWidget *widget, const QPoint &twips)
{
    auto it = m_placements.find(widget);
    if (it == m_placements.end())
        return;
    it->twips.moveTopLeft(twips);
    apply(*it);
}

QRect DesignCanvas::addStripRight(int widthTwips)
{
    const QRect strip(m_design.width(), 0, widthTwips, m_design.height());
    m_design.rwidth() += widthTwips;
    fit(size(), true);
    return strip;
}

QRect DesignCanvas::designRect(QWidget *widget) const
{
    return m_placements.value(widget).twips;
}

DesignFont DesignCanvas::designFont(QWidget *widget) const
{
    return m_placements.value(widget).font;
}

QList<QWidget *> DesignCanvas::placedWidgets() const
{
    QList<QWidget *> widgets;
    for (QWidget *widget : m_order) {
        if (m_placements.value(widget).widget)
            widgets.append(widget);
    }
    return widgets;
}

QColor DesignCanvas::background() const
{
    return palette().color(QPalette::Window);
}

void DesignCanvas::setBackground(const QColor &colour, const QColor &text)
{
    setDesignColours(this, colour, text);
}

void DesignCanvas::setDesignColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    widget->setPalette(p);
}

void DesignCanvas::apply(const Placement &placement)
{
    QWidget *widget = placement.widget;
    if (!widget)
        return;
    if (placement.twips.isValid()) {
        const QPoint offset = widget->parentWidget() == this ? m_offset : QPoint();
        // Edges are mapped one by one, so neighbours that touch in twips touch
        // on screen too.
        const int left = pixels(placement.twips.left());
        const int top = pixels(placement.twips.top());
        const int right = pixels(placement.twips.left() + placement.twips.width());
        const int bottom = pixels(placement.twips.top() + placement.twips.height());
        widget->setGeometry(QRect(QPoint(left, top) + offset, QSize(right - left, bottom - top)));
    }
    if (placement.font.points > 0) {
        QFont font = widget->font();
        font.setFamilies({placement.font.family, QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
        font.setBold(placement.font.bold);
        font.setPixelSize(fontPixels(placement.font.points, m_scale));
        widget->setFont(font);
    }
}

void DesignCanvas::applyAll()
{
    for (QWidget *widget : std::as_const(m_order))
        apply(m_placements.value(widget));
}

void DesignCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fit(event->size(), false);
}

void DesignCanvas::fit(QSize available, bool always)
{
    const QSize design = designPixels();
    qreal scale = std::min(qreal(available.width()) / design.width(),
                           qreal(available.height()) / design.height());
    // At (about) the design size everything stays exactly where it was drawn.
    if (std::abs(scale - 1.0) < 0.01)
        scale = 1.0;
    const QPoint offset((available.width() - pixels(m_design.width(), scale)) / 2,
                        (available.height() - pixels(m_design.height(), scale)) / 2);
    if (!always && qFuzzyCompare(scale, m_scale) && offset == m_offset)
        return;
    m_scale = scale;
    m_offset = offset;
    applyAll();
}

} // namespace Quozzoli
