// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quozzoli {

// Tells the navigator how to make every screen of the program.
void registerScreens();

} // namespace Quozzoli
