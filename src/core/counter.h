// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace Quozzoli {

// A count of answers, held in 16 bits: it stops at 32767 and never wraps.
class Counter
{
public:
    static constexpr std::int16_t Maximum = 32767;

    std::int16_t value() const { return m_value; }
    void reset() { m_value = 0; }
    void increment();

private:
    std::int16_t m_value = 0;
};

// A number as captions and counters write it: one blank before a
// non-negative number (" 84"), the minus sign before a negative one.
std::string writtenNumber(long value);

// What a counter label shows right after a reset.
inline constexpr const char *ResetCounterText = "0";

} // namespace Quozzoli
