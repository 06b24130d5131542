// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

namespace Quozzoli {

class SoundOutput;

// The sound module, a library of the program's own in a folder beside it
// (as its sound folders are), which brings the sound server's client
// libraries (and, where it is used, Qt Multimedia): none is loaded before
// the module is.
class SoundModule
{
public:
    // The module's file, from the program's folder.
    static QString path(const QString &programDir);
    // Loads the module from the program's folder and makes an output; none
    // when the module is missing or cannot be loaded, and the player then
    // behaves as with no sound device.
    static std::unique_ptr<SoundOutput> createOutput(const QString &programDir);
};

} // namespace Quozzoli
