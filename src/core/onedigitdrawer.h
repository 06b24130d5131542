// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "termdrawer.h"

#include <optional>

namespace Quozzoli {

class RandomSource;

// A division with a one-digit divisor and quotient:
// dividend = quotient x divisor + remainder.
struct OneDigitDivision
{
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;
    int remainder = 0;
};

// Draws the problems of the one-digit quotient screens: the divisor among the
// chosen ones, then the quotient, then (with a remainder) the remainder below
// the divisor.
class OneDigitDrawer
{
public:
    enum class Kind {
        Exact, // quotient 0..8, no remainder
        WithRemainder, // quotient 0..9, remainder 0..divisor - 1
    };

    OneDigitDrawer(Kind kind, TermDrawer divisors);

    bool canDraw() const { return m_divisors.canDraw(); }
    // Nothing, and no draw, when no divisor of the range is chosen.
    std::optional<OneDigitDivision> draw(RandomSource &random) const;

private:
    Kind m_kind;
    TermDrawer m_divisors;
};

} // namespace Quozzoli
