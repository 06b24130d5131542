// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformsoundoutput.h"

#if QUOZZOLI_SOUND_PULSE
#include "pulsestream.h"
#elif QUOZZOLI_SOUND_WASAPI
#include "wasapistream.h"
#else
#include "audiostream.h"
#endif

namespace Quozzoli {

std::unique_ptr<SoundOutput> createPlatformSoundOutput()
{
#if QUOZZOLI_SOUND_PULSE
    return std::make_unique<PulseStream>();
#elif QUOZZOLI_SOUND_WASAPI
    return std::make_unique<WasapiStream>();
#else
    return std::make_unique<AudioStream>();
#endif
}

} // namespace Quozzoli
