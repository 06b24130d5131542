// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabledrawer.h"

#include "randomsource.h"

namespace Quozzoli {

TableDrawer::TableDrawer(TermDrawer tables)
    : m_tables(std::move(tables))
{ }

TermDrawer TableDrawer::tables(bool factorMode) const
{
    TermDrawer drawer = m_tables;
    drawer.setZeroCountsAsOne(factorMode);
    return drawer;
}

bool TableDrawer::canDraw(bool factorMode) const
{
    return tables(factorMode).canDraw();
}

std::optional<Multiplication> TableDrawer::draw(bool factorMode, RandomSource &random) const
{
    const TermDrawer drawer = tables(factorMode);
    if (!drawer.canDraw())
        return std::nullopt;
    const int firstTable = drawer.candidate(random);
    Multiplication problem;
    problem.secondoFattore = random.draw(11); // 0..10
    problem.primoFattore = *drawer.keepChosen(firstTable, random);
    return problem;
}

} // namespace Quozzoli
