// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Quozzoli {

// A clock that never goes backwards while the program runs.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::int64_t milliseconds() const = 0;

    // The reading in whole seconds, rounded to the nearest second.
    std::int64_t seconds() const { return (milliseconds() + 500) / 1000; }
};

class SteadyClock final : public Clock
{
public:
    std::int64_t milliseconds() const override;
};

} // namespace Quozzoli
