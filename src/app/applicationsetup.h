// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace Quozzoli {

// Settings of the whole application, made once before the first window.
void setUpApplication();

// Reads the options of the command line: --tastierino shows the on-screen
// keypad on the exercise screens, --senza-tastierino hides it even on a touch
// screen (the last one given counts). Other arguments are left alone.
void readCommandLine(const QStringList &arguments);

} // namespace Quozzoli
