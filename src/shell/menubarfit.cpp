// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menubarfit.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <cmath>

namespace Quozzoli {

namespace {

constexpr qreal SmallestPoints = 5.0;
constexpr qreal SmallestScale = 0.01;
constexpr qreal PointStep = 0.25;

// The desktop's font for menu bars, whatever the bar has been given since.
QFont desktopFont(const QMenuBar *bar)
{
    return QApplication::font(bar);
}

QFont scaled(const QFont &desktop, qreal factor)
{
    QFont font = desktop;
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, int(std::lround(desktop.pixelSize() * factor))));
    return font;
}

qreal pointsOf(const QFont &font, const QMenuBar *bar)
{
    return font.pointSizeF() > 0 ? font.pointSizeF()
                                 : font.pixelSize() * 72.0 / std::max(1, bar->logicalDpiY());
}

} // namespace

QSize MenuBarFit::sizeNeeded(const QMenuBar *bar, const QFont &font)
{
    // Measured as the bar lays its commands out: each command's text in the
    // style's item frame, with the style's spacing between and around them.
    const QStyle *style = bar->style();
    const QFontMetrics metrics(font);
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
    const int hmargin = style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar);
    const int vmargin = style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, bar);
    const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar);
    int width = 2 * (frame + hmargin) + spacing;
    int height = 0;
    for (QAction *action : bar->actions()) {
        if (!action->isVisible())
            continue;
        QStyleOptionMenuItem option;
        option.initFrom(bar);
        option.fontMetrics = metrics;
        option.menuItemType = action->isSeparator() ? QStyleOptionMenuItem::Separator
                                                    : QStyleOptionMenuItem::Normal;
        option.text = action->text();
        const QSize text = metrics.size(Qt::TextShowMnemonic, action->text());
        const QSize item = style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar);
        width += item.width() + spacing;
        height = std::max(height, item.height());
    }
    return {width, height + 2 * (frame + vmargin)};
}

QFont MenuBarFit::fontFor(const QMenuBar *bar, qreal scale, int width)
{
    const QFont desktop = desktopFont(bar);
    // A window lower than its bar gives no room, and so no scale, to the
    // screen: the bar then takes the smallest scale, never a negative one.
    scale = std::max(scale, SmallestScale);
    // At (about) the design size the bar is the desktop's, as drawn.
    if (std::abs(scale - 1.0) < 0.01)
        scale = 1.0;
    QFont font = scaled(desktop, scale);
    if (sizeNeeded(bar, font).width() <= width)
        return font;
    const qreal points = pointsOf(desktop, bar);
    for (qreal size = points * scale - PointStep; size >= SmallestPoints; size -= PointStep) {
        font = scaled(desktop, size / points);
        if (sizeNeeded(bar, font).width() <= width)
            break;
    }
    return font;
}

int MenuBarFit::heightFor(const QMenuBar *bar, qreal scale, int width)
{
    return sizeNeeded(bar, fontFor(bar, scale, width)).height();
}

void MenuBarFit::apply(QMenuBar *bar, qreal scale, int width)
{
    const QFont font = fontFor(bar, scale, width);
    if (font != bar->font())
        bar->setFont(font);
}

} // namespace Quozzoli
