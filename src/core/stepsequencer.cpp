// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepsequencer.h"

namespace Quozzoli {

void StepSequencer::restart(std::int64_t nowSeconds)
{
    m_passo = 0;
    m_inizioPasso = nowSeconds;
}

int StepSequencer::tick(std::int64_t nowSeconds)
{
    if (m_inizioPasso + 1 >= nowSeconds || m_passo > Steps)
        return 0;
    ++m_passo;
    return m_passo <= Steps ? m_passo : 0;
}

} // namespace Quozzoli
