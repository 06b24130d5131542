// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyproblem.h"

namespace Quozzoli {

class RandomSource;

// How a board draws its problems: a divisor from 1 to divisorMax, a quotient
// from 1 to quotientMax and, with a remainder, a remainder below the divisor.
// The quotient is drawn again while the candies would not fit on the table
// (more than 30) or there would be a single candy.
class ProblemRule
{
public:
    static constexpr int MaxCandies = 30;

    constexpr ProblemRule(int divisorMax, int quotientMax, bool remainder)
        : m_divisorMax(divisorMax)
        , m_quotientMax(quotientMax)
        , m_remainder(remainder)
    { }

    // Up to 5 children, up to 9 candies each.
    static constexpr ProblemRule partition(bool remainder) { return {5, 9, remainder}; }
    // Up to 9 candies for each child, up to 5 children.
    static constexpr ProblemRule quotition(bool remainder) { return {9, 5, remainder}; }

    CandyProblem draw(RandomSource &random) const;

    int divisorMax() const { return m_divisorMax; }
    int quotientMax() const { return m_quotientMax; }
    bool remainder() const { return m_remainder; }

    // True when divisor, quotient and remainder make a problem of the board.
    static bool fits(int divisore, int quoziente, int resto);

private:
    int m_divisorMax;
    int m_quotientMax;
    bool m_remainder;
};

} // namespace Quozzoli
