// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clock.h"

// A clock that moves only when the test moves it.
class ManualClock final : public Quozzoli::Clock
{
public:
    std::int64_t milliseconds() const override { return m_now; }
    void advance(std::int64_t ms) { m_now += ms; }
    void set(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now = 1000000;
};
