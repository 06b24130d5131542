// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationsetup.h"

#include "keypadsetting.h"
#include "predrawniconengine.h"

#include <QApplication>
#include <QPixmapCache>
#include <QStringList>

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

void readCommandLine(const QStringList &arguments)
{
    KeypadSetting::Choice choice = KeypadSetting::Choice::Automatic;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--tastierino"))
            choice = KeypadSetting::Choice::Shown;
        else if (argument == QLatin1String("--senza-tastierino"))
            choice = KeypadSetting::Choice::Hidden;
    }
    KeypadSetting::shared().setChoice(choice);
}

} // namespace Quozzoli
