// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exerciseframe.h"
#include "termdrawer.h"

namespace Quozzoli {

// How a screen lets the child choose its terms: the menu item that brings up
// the panel, the items "0" .. lastItem, and the range the term is drawn from.
struct TermsChoice
{
    const char *menuItem = "";
    int lastItem = 0;
    int lowest = 0;
    int highest = 0;

    // Draws over the range, keeping the terms for which isChosen holds.
    TermDrawer drawer(TermDrawer::IsChosen isChosen) const
    {
        return TermDrawer(lowest, highest - lowest + 1, std::move(isChosen));
    }

    // "Scegli i termini da utilizzare" in the menu bar, with so many blanks after it.
    MenuEntry menuEntry(int blanks) const;
};

} // namespace Quozzoli
