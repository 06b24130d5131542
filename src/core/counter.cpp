// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "counter.h"

namespace Quozzoli {

void Counter::increment()
{
    if (m_value < Maximum)
        ++m_value;
}

std::string writtenNumber(long value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace Quozzoli
