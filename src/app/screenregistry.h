// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quozzoli {

// Hands the catalogue of screens to the navigator: how to make each screen
// of the program, and the exercises the main menu offers.
void registerScreens();

} // namespace Quozzoli
