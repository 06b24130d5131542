// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screenid.h"

#include <QPoint>
#include <QString>

#include <functional>

namespace Quozzoli {

class Screen;

// The columns of the main menu, by the heading above each (Label1(0) to (3)).
enum class MenuColumn { ConINumeri, ConSupportoGrafico, DueCifre, TreCifre };

// The heading of a column as the menu shows it.
QString menuHeading(MenuColumn column);

// One exercise as the program offers it: the menu button that opens it and
// where it stands, what a screen reader calls the exercise, and how its screen
// is made. The program hands the whole list to the Navigator at start.
struct ExerciseEntry
{
    ScreenId id;
    int command; // the menu button CommandN
    MenuColumn column;
    QPoint twips; // the button's top-left corner on the menu
    std::function<Screen *()> make;
    const char *caption; // exactly as on the button

    // The caption spelled right, with the heading of its column, which tells
    // apart the two buttons with the same caption.
    QString spokenName() const;
};

} // namespace Quozzoli
