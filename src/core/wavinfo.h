// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace Quozzoli {

// What the header of a WAVE file says, checked against the file itself.
// Only files the sound system can play safely count as valid: RIFF/WAVE,
// uncompressed PCM of 8 or 16 bits, and a data chunk that lies entirely
// within the file (a truncated file is not valid).
struct WavInfo
{
    bool valid = false;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;

    double durationSeconds() const;
};

WavInfo readWavInfo(const std::string &path);
WavInfo parseWavHeader(const unsigned char *bytes, std::size_t size);

} // namespace Quozzoli
