// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace Quozzoli {

// The program's one source of chance: uniform values r with 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual double next() = 0;
    virtual void seedFromClock() = 0;

    // A uniform whole number from 0 to n - 1: the integer part of r x n.
    int draw(int n);
};

class SystemRandom final : public RandomSource
{
public:
    SystemRandom();
    explicit SystemRandom(std::uint64_t seed);

    double next() override;
    void seedFromClock() override;
    void seed(std::uint64_t seed);

private:
    std::mt19937_64 m_engine;
};

} // namespace Quozzoli
