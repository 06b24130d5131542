// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "randomsource.h"

#include <deque>

// Gives the values a test asks for, in order; once they run out, values from
// a fixed-seed generator, so that unscripted draws stay repeatable.
class ScriptedRandom final : public Quozzoli::RandomSource
{
public:
    void push(double r);
    // The value that makes draw(n) give `value`.
    void pushDraw(int value, int n);

    double next() override;
    void seedFromClock() override { ++m_seeds; }

    int pending() const { return int(m_values.size()); }
    int seeds() const { return m_seeds; }
    int draws() const { return m_draws; }

private:
    std::deque<double> m_values;
    Quozzoli::SystemRandom m_fallback {20261208};
    int m_seeds = 0;
    int m_draws = 0;
};
