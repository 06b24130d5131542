// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candysharing.h"

#include <algorithm>

namespace Quozzoli {

namespace {

constexpr int SlotLefts[3] = {120, 480, 840};
constexpr int SlotTops[3] = {960, 600, 240}; // bottom row first

} // namespace

void CandySharing::clear()
{
    m_counts.fill(0);
    m_problem = {};
    m_served = 0;
    m_started = false;
    m_complete = false;
}

void CandySharing::start(const CandyProblem &problem)
{
    clear();
    m_problem = problem;
    m_started = problem.divisore > 0 && problem.quoziente > 0;
}

int CandySharing::count(int child) const
{
    return child >= 0 && child < Children ? m_counts[child] : 0;
}

bool CandySharing::takesPart(int child) const
{
    if (!m_started || m_complete || child < 0 || child >= Children)
        return false;
    if (m_mode == SharingMode::Partition)
        return child < m_problem.divisore;
    return child == m_served;
}

CandySharing::Outcome CandySharing::drop(int child)
{
    if (!takesPart(child))
        return Outcome::Ignored;
    int &count = m_counts[child];

    if (m_mode == SharingMode::Partition) {
        // Refusals are counted too, so a child that refused once goes on
        // refusing.
        if (++count > m_problem.quoziente)
            return Outcome::Refused;
        for (int n = 0; n < m_problem.divisore; ++n) {
            if (m_counts[n] < m_problem.quoziente)
                return Outcome::Taken;
        }
        m_complete = true;
        return Outcome::Complete;
    }

    ++count;
    if (count != m_problem.divisore)
        return Outcome::Taken;
    if (child >= m_problem.quoziente - 1) {
        m_complete = true;
        return Outcome::Complete;
    }
    ++m_served;
    return Outcome::ChildServed;
}

CandySharing::Place CandySharing::slotPlace(int child, int k)
{
    k = std::clamp(k, 0, Slots - 1);
    const int row = k / 3;
    int column = k % 3;
    if (child != 0)
        column = 2 - column;
    return {SlotLefts[column], SlotTops[row]};
}

} // namespace Quozzoli
