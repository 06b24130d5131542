// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quozzoli {

class RandomSource;

// One division of the two-digit screens, with the two digits of its quotient.
struct TwoDigitDivision
{
    int dividendo = 0;
    int divisore = 1;
    int quoziente = 0;
    int resto = 0;
    int decine = 0; // tens digit of the quotient
    int unita = 0; // units digit of the quotient
};

// How a screen draws its divisions.
struct DrawRule
{
    bool withRemainder = false;
    // Sets are drawn again while the dividend passes 99.
    bool twoDigitDividend = false;
    // A redrawn set with divisor 1 is dropped when one more draw(3) gives 1,
    // so that sharing by one comes up less often.
    bool thinRedrawnOnes = false;
};

// Draws the divisions of the two-digit screens: a divisor from 1 to 9, then a
// quotient from 0 to 98, then, with a remainder, a remainder below the divisor.
class QuotientDrawer
{
public:
    static constexpr int LargestTwoDigitDividend = 99;

    explicit QuotientDrawer(const DrawRule &rule);

    TwoDigitDivision draw(RandomSource &random) const;
    const DrawRule &rule() const { return m_rule; }

private:
    TwoDigitDivision drawSet(RandomSource &random) const;

    DrawRule m_rule;
};

} // namespace Quozzoli
