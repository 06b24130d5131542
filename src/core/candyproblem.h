// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quozzoli {

// One problem of the candy board. In partition the divisor is the number of
// children and the quotient the candies each gets; in quotition the divisor
// is the candies each child must get and the quotient the children served.
struct CandyProblem
{
    int dividendo = 0; // candies on the table
    int divisore = 0;
    int quoziente = 0;
    int resto = 0; // candies left on the table
};

} // namespace Quozzoli
