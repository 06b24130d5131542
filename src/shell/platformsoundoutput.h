// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundoutput.h"

#include <memory>

namespace Quozzoli {

// A new output to the platform's sound server: PulseStream where the build
// chose PulseAudio's client library (Linux), WasapiStream on Windows,
// AudioStream on Qt Multimedia elsewhere.
std::unique_ptr<SoundOutput> createPlatformSoundOutput();

} // namespace Quozzoli
