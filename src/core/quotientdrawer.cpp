// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotientdrawer.h"

#include "randomsource.h"

namespace Quozzoli {

namespace {

constexpr int Divisors = 9; // 1 to 9
constexpr int Quotients = 99; // 0 to 98

} // namespace

QuotientDrawer::QuotientDrawer(const DrawRule &rule)
    : m_rule(rule)
{ }

TwoDigitDivision QuotientDrawer::draw(RandomSource &random) const
{
    // The first set is kept for its divisor whatever it is; only the sets
    // drawn again for a dividend past 99 may be thinned.
    TwoDigitDivision division = drawSet(random);
    if (!m_rule.twoDigitDividend)
        return division;
    while (division.dividendo > LargestTwoDigitDividend) {
        division = drawSet(random);
        while (m_rule.thinRedrawnOnes && division.divisore == 1 && random.draw(3) == 1)
            division = drawSet(random);
    }
    return division;
}

TwoDigitDivision QuotientDrawer::drawSet(RandomSource &random) const
{
    TwoDigitDivision division;
    division.divisore = random.draw(Divisors) + 1;
    division.quoziente = random.draw(Quotients);
    division.resto = m_rule.withRemainder ? random.draw(division.divisore) : 0;
    division.dividendo = division.quoziente * division.divisore + division.resto;
    division.decine = division.quoziente / 10;
    division.unita = division.quoziente - 10 * division.decine;
    return division;
}

} // namespace Quozzoli
