// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Quozzoli {

// Paces the board's three-step introduction. A step begins at the first
// tick at which the clock, in whole seconds, reads at least two more than
// when the wait began; each wait begins when the previous step has ended.
class StepSequencer
{
public:
    static constexpr int Steps = 3;

    // A new problem: no step begun yet, the wait begins now.
    void restart(std::int64_t nowSeconds);
    // The wait for the next step begins now.
    void waitFrom(std::int64_t nowSeconds) { m_inizioPasso = nowSeconds; }

    // The step to begin at this tick (1 to 3), or 0.
    int tick(std::int64_t nowSeconds);

    int passo() const { return m_passo; }

private:
    std::int64_t m_inizioPasso = 0;
    int m_passo = 0;
};

} // namespace Quozzoli
