// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the scripted child has done, and what the screen must therefore show.
struct Tally
{
    // Over the whole run.
    int cycles = 0; // screens opened from the menu and closed again
    int problemsSolved = 0;
    int rightEntries = 0; // boxes answered right (a problem may take several)
    int wrongEntries = 0; // counted wrong: wrong numbers, and garbage that reads wrong
    int garbageEntries = 0; // of those typed, texts that are no plain number
    int emptyEnters = 0; // Enter in an empty box of a numeric screen: no count
    int drops = 0; // candies dropped on a child
    int refusedDrops = 0; // of those, refused (and counted wrong)
    int termsPanels = 0; // terms panels opened and confirmed
    int numericRightEffects = 0; // problems solved on numeric screens ("si" sounds)

    // On the screen on view, since it opened.
    int screenRight = 0;
    int screenWrong = 0;
    int screenRightShown = 0; // as its label shows it (the candy boards show it on "avanti")

    QString summary() const;
};
