// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wavinfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Quozzoli {

// A sound ready for the output stream: 16-bit mono samples at the stream's
// rate, held in memory.
struct SoundClip
{
    std::vector<std::int16_t> samples;
    int rate = 0;

    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// Turns the samples of a checked WAVE file into a clip at `rate`: 8-bit
// samples are widened, the two channels of a stereo file are mixed, and
// another sample rate is resampled (linearly, which is plenty for speech and
// short effects). Files at the stream's own format come out unchanged.
SoundClip convertToClip(const unsigned char *bytes, const WavInfo &info, int rate);

// Reads and checks the file once and converts it; null when it is missing or
// cannot be played (see WavInfo and readSoundFile).
std::shared_ptr<const SoundClip> loadSoundClip(const std::string &path, int rate);

} // namespace Quozzoli
