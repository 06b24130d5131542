// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problemrule.h"

#include "randomsource.h"

namespace Quozzoli {

namespace {

// A working generator finds a fitting quotient within a few draws; one stuck
// on a single value must not hang the board.
constexpr int MaxRedraws = 1000;

} // namespace

bool ProblemRule::fits(int divisore, int quoziente, int resto)
{
    const int product = divisore * quoziente;
    return product + resto <= MaxCandies && product != 1;
}

CandyProblem ProblemRule::draw(RandomSource &random) const
{
    CandyProblem problem;
    problem.divisore = random.draw(m_divisorMax) + 1;
    problem.quoziente = random.draw(m_quotientMax) + 1;
    problem.resto = m_remainder ? random.draw(problem.divisore) : 0;
    int redraws = 0;
    while (!fits(problem.divisore, problem.quoziente, problem.resto)) {
        if (++redraws > MaxRedraws) {
            problem.quoziente = 1;
            while (!fits(problem.divisore, problem.quoziente, problem.resto))
                ++problem.quoziente;
            break;
        }
        problem.quoziente = random.draw(m_quotientMax) + 1;
    }
    problem.dividendo = problem.divisore * problem.quoziente + problem.resto;
    return problem;
}

} // namespace Quozzoli
