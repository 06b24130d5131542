// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "navigator.h"

#include "screen.h"

#include <QHash>
#include <QScreen>

#include <algorithm>

namespace Quozzoli {

namespace {

constexpr qreal MinimumOpeningScale = 0.5;

QHash<ScreenId, Navigator::Factory> &factories()
{
    static QHash<ScreenId, Navigator::Factory> table;
    return table;
}

QList<ExerciseEntry> &exerciseList()
{
    static QList<ExerciseEntry> list;
    return list;
}

QPointer<Screen> &currentScreen()
{
    static QPointer<Screen> screen;
    return screen;
}

void placeLike(Screen *screen, Screen *from)
{
    if (!from) {
        screen->resize(screen->windowSizeFor(1.0));
        return;
    }
    if (from->isMaximized() || from->isFullScreen()) {
        screen->resize(screen->windowSizeFor(1.0));
        screen->setWindowState(from->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        return;
    }
    // A window shrunk to a sliver gives no usable scale: half the design
    // size is the least a screen opens at.
    const qreal scale = std::max(from->canvas()->scale(), MinimumOpeningScale);
    screen->resize(screen->windowSizeFor(scale));
    QRect frame(QPoint(), screen->size());
    frame.moveCenter(from->geometry().center());
    // Never partly off the desktop.
    if (QScreen *desktop = from->screen()) {
        const QRect available = desktop->availableGeometry();
        frame.moveLeft(std::max(available.left(),
                                std::min(frame.left(), available.right() + 1 - frame.width())));
        frame.moveTop(std::max(available.top(),
                               std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
    screen->move(frame.topLeft());
}

} // namespace

void Navigator::registerScreen(ScreenId id, Factory factory)
{
    factories().insert(id, std::move(factory));
}

void Navigator::registerExercises(const QList<ExerciseEntry> &entries)
{
    exerciseList() = entries;
    for (const ExerciseEntry &entry : entries) {
        registerScreen(entry.id, [make = entry.make, name = entry.spokenName()] {
            Screen *screen = make();
            screen->setAccessibleName(name);
            return screen;
        });
    }
}

const QList<ExerciseEntry> &Navigator::exercises()
{
    return exerciseList();
}

Screen *Navigator::open(ScreenId id, Screen *from)
{
    const Factory factory = factories().value(id);
    if (!factory)
        return nullptr;
    Screen *screen = factory();
    screen->formLoad();
    placeLike(screen, from);
    screen->show();
    screen->activateWindow();
    currentScreen() = screen;
    screen->formActivate();
    if (from && from != screen)
        from->close();
    return screen;
}

Screen *Navigator::current()
{
    return currentScreen();
}

} // namespace Quozzoli
