// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "onedigitdrawer.h"

#include "randomsource.h"

namespace Quozzoli {

OneDigitDrawer::OneDigitDrawer(Kind kind, TermDrawer divisors)
    : m_kind(kind)
    , m_divisors(std::move(divisors))
{ }

std::optional<OneDigitDivision> OneDigitDrawer::draw(RandomSource &random) const
{
    const std::optional<int> divisor = m_divisors.draw(random);
    if (!divisor)
        return std::nullopt;
    OneDigitDivision division;
    division.divisor = *divisor;
    if (m_kind == Kind::Exact) {
        division.quotient = random.draw(9); // 9 itself never comes up here
    } else {
        division.quotient = random.draw(10);
        division.remainder = random.draw(division.divisor);
    }
    division.dividend = division.quotient * division.divisor + division.remainder;
    return division;
}

} // namespace Quozzoli
