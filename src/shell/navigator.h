// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exerciseentry.h"
#include "screenid.h"

#include <QList>
#include <QPointer>

#include <functional>

namespace Quozzoli {

class Screen;

// Opens one screen in place of another. Screens are registered by the part
// of the program that knows them all, so that no screen has to know another.
class Navigator
{
public:
    using Factory = std::function<Screen *()>;

    static void registerScreen(ScreenId id, Factory factory);
    // The exercises, in the menu's focus order: each screen is registered and
    // named for a screen reader as the menu names its button.
    static void registerExercises(const QList<ExerciseEntry> &entries);
    static const QList<ExerciseEntry> &exercises();

    // Makes the screen afresh, loads it, shows it where `from` was (at the
    // same scale, but never under half the design size, or maximised or full
    // screen if `from` was), runs its activation and then
    // closes `from`, which is destroyed.
    static Screen *open(ScreenId id, Screen *from = nullptr);

    // The screen most recently opened, while it exists.
    static Screen *current();
};

} // namespace Quozzoli
