// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptedrandom.h"

#include <stdexcept>

void ScriptedRandom::push(double r)
{
    if (!(r >= 0.0 && r < 1.0))
        throw std::invalid_argument("a random value lies in [0, 1)");
    m_values.push_back(r);
}

void ScriptedRandom::pushDraw(int value, int n)
{
    push((value + 0.5) / n);
}

double ScriptedRandom::next()
{
    ++m_draws;
    if (m_values.empty())
        return m_fallback.next();
    const double r = m_values.front();
    m_values.pop_front();
    return r;
}
