// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationsetup.h"

#include "predrawniconengine.h"

#include <QApplication>
#include <QPixmapCache>

namespace Quozzoli {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("quozzoli"));
    // No window shows a title, not even the program's name.
    QGuiApplication::setApplicationDisplayName(QStringLiteral(""));
    QApplication::setWindowIcon(
        PredrawnIconEngine::icon(QStringLiteral(":/pictures/quozzoli.svg")));
    // Qt 6.4's pixmap cache keeps a key for every picture the style ever
    // cached, and the style caches button pictures under the button's palette,
    // which every new window and every new background colour makes afresh:
    // memory would grow with every screen opened. The few buttons we draw
    // cost nothing to draw afresh.
    QPixmapCache::setCacheLimit(0);
}

} // namespace Quozzoli
