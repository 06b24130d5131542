// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Quozzoli {

// Sound files are short words and effects; anything larger or longer is not
// one of ours and would hold a screen that waits for it.
inline constexpr std::size_t LargestSoundFileBytes = 16u * 1024u * 1024u;
inline constexpr double LongestSoundSeconds = 30.0;

// What the header of a WAVE file says, checked against the file itself.
// Only files that can be played safely count as valid: RIFF/WAVE,
// uncompressed PCM of 8 or 16 bits, one or two channels, a data chunk that
// lies entirely within the file (a truncated file is not valid), and no
// longer than LongestSoundSeconds.
struct WavInfo
{
    bool valid = false;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    std::size_t dataOffset = 0; // where the samples begin in the file

    double durationSeconds() const;
};

WavInfo parseWavHeader(const unsigned char *bytes, std::size_t size);

// Reads a whole sound file into `bytes`: only a regular file of at most
// LargestSoundFileBytes. A FIFO, a device or a folder counts as missing and is
// never waited on.
bool readSoundFile(const std::string &path, std::vector<unsigned char> &bytes);

WavInfo readWavInfo(const std::string &path);

} // namespace Quozzoli
