// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tally.h"

QString Tally::summary() const
{
    return QStringLiteral("%1 screen cycles, %2 problems solved, %3 right entries, %4 wrong "
                          "entries (%5 garbage texts typed), %6 empty Enters, %7 candies dropped "
                          "(%8 refused), %9 terms panels confirmed")
        .arg(cycles)
        .arg(problemsSolved)
        .arg(rightEntries)
        .arg(wrongEntries)
        .arg(garbageEntries)
        .arg(emptyEnters)
        .arg(drops)
        .arg(refusedDrops)
        .arg(termsPanels);
}
