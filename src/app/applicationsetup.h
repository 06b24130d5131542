// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quozzoli {

// Settings of the whole application, made once before the first window.
void setUpApplication();

} // namespace Quozzoli
