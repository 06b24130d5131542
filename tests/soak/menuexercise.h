// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screenid.h"

#include <QList>

// The eleven exercises of the main menu: the screen, its name, the menu
// button that opens it and whether answers are typed only (numeric) or
// candies are shared first (graphic).
struct MenuExercise
{
    Quozzoli::ScreenId id;
    const char *name;
    const char *menuButton;
    bool numeric;

    static const QList<MenuExercise> &all();
};
