// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>
#include <vector>

namespace Quozzoli {

// The sounds every screen uses: the right and wrong effects, which play on
// while the child goes on, and the voice prompts, which are heard to the end.
class SoundCues
{
public:
    static void suonoEsatto(); // one of the four "right" effects at random
    static void suonoErrato();

    // Starts the files as one sentence; the player tells when it has ended.
    static void speak(const std::vector<std::string> &relativePaths);

    static QString fullPath(const std::string &relativePath);
};

} // namespace Quozzoli
