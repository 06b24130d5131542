// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "counter.h"

#include <cstdint>

namespace Quozzoli {

// The handful of values every screen of the program shares for the whole run.
// The counts start at 0 on every screen opened. The problem is written by the
// screen that poses it and read back by its answer checks; Form3 and Form10
// keep theirs to themselves.
struct SharedValues
{
    Counter numeroEsatti; // right answers on the current screen
    Counter numeroErrati; // wrong entries on the current screen
    std::int16_t dividendo = 0;
    std::int16_t divisore = 0;
    std::int16_t quoziente = 0;
    std::int16_t resto = 0;
    bool attendiBottone = false; // numeric screens wait for "avanti"
};

SharedValues &shared();

} // namespace Quozzoli
