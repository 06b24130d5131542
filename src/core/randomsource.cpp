// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <algorithm>
#include <chrono>

namespace Quozzoli {

int RandomSource::draw(int n)
{
    if (n <= 0)
        return 0;
    const int k = int(next() * n);
    return std::clamp(k, 0, n - 1);
}

SystemRandom::SystemRandom()
{
    seedFromClock();
}

SystemRandom::SystemRandom(std::uint64_t seed)
    : m_engine(seed)
{ }

double SystemRandom::next()
{
    // 53 random bits make a double in [0, 1) that can never round up to 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void SystemRandom::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    m_engine.seed(std::uint64_t(ticks) ^ (std::uint64_t(std::random_device {}()) << 32));
}

void SystemRandom::seed(std::uint64_t seed)
{
    m_engine.seed(seed);
}

} // namespace Quozzoli
