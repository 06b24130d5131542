// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "termdrawer.h"

#include <optional>

namespace Quozzoli {

class RandomSource;

// A problem of the times tables: the table times the second factor.
struct Multiplication
{
    int primoFattore = 0; // the table
    int secondoFattore = 0;

    int product() const { return primoFattore * secondoFattore; }
};

// Draws the times-table problems: the table among the chosen ones, the second
// factor from 0..10. In factor mode a table 0 drawn counts as 1, so the table
// 1 comes up twice as often as each other one there.
class TableDrawer
{
public:
    explicit TableDrawer(TermDrawer tables);

    bool canDraw(bool factorMode) const;
    // The table, the second factor, then the table again while it is not
    // chosen. Nothing, and no draw, when no table the mode can ask is chosen
    // (0..10 for the product, 1..10 for the factor).
    std::optional<Multiplication> draw(bool factorMode, RandomSource &random) const;

private:
    TermDrawer tables(bool factorMode) const;

    TermDrawer m_tables;
};

} // namespace Quozzoli
