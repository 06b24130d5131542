// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termdrawer.h"

#include "randomsource.h"

namespace Quozzoli {

TermDrawer::TermDrawer(int lowest, int count, IsChosen isChosen)
    : m_lowest(lowest)
    , m_count(count)
    , m_isChosen(std::move(isChosen))
{ }

int TermDrawer::lowestTerm() const
{
    return m_zeroCountsAsOne && m_lowest == 0 ? 1 : m_lowest;
}

bool TermDrawer::canDraw() const
{
    for (int term = lowestTerm(); term <= highestTerm(); ++term) {
        if (m_isChosen(term))
            return true;
    }
    return false;
}

int TermDrawer::candidate(RandomSource &random) const
{
    const int drawn = m_lowest + random.draw(m_count);
    return m_zeroCountsAsOne && drawn == 0 ? 1 : drawn;
}

std::optional<int> TermDrawer::keepChosen(int candidate, RandomSource &random) const
{
    if (!canDraw())
        return std::nullopt;
    while (!m_isChosen(candidate))
        candidate = this->candidate(random);
    return candidate;
}

std::optional<int> TermDrawer::draw(RandomSource &random) const
{
    if (!canDraw())
        return std::nullopt;
    return keepChosen(candidate(random), random);
}

} // namespace Quozzoli
