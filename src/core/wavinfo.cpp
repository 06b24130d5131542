// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavinfo.h"

#include <fstream>
#include <vector>

namespace Quozzoli {

namespace {

std::uint32_t le32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

bool tagIs(const unsigned char *p, const char *tag)
{
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

// Sound files are small; a larger file is not one of ours.
constexpr std::size_t LargestFile = 64u * 1024u * 1024u;

} // namespace

double WavInfo::durationSeconds() const
{
    if (!valid || sampleRate <= 0 || channels <= 0 || bitsPerSample <= 0)
        return 0.0;
    const double bytesPerSecond = double(sampleRate) * channels * (bitsPerSample / 8);
    return double(dataBytes) / bytesPerSecond;
}

WavInfo parseWavHeader(const unsigned char *bytes, std::size_t size)
{
    WavInfo info;
    if (size < 12 || !tagIs(bytes, "RIFF") || !tagIs(bytes + 8, "WAVE"))
        return info;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const unsigned char *chunk = bytes + pos;
        const std::uint64_t length = le32(chunk + 4);
        const std::uint64_t bodyStart = pos + 8;
        if (bodyStart + length > size)
            return WavInfo {}; // the chunk runs past the end of the file
        if (tagIs(chunk, "fmt ")) {
            if (length < 16)
                return WavInfo {};
            const unsigned char *fmt = chunk + 8;
            const int formatTag = le16(fmt);
            info.channels = le16(fmt + 2);
            info.sampleRate = int(le32(fmt + 4));
            info.bitsPerSample = le16(fmt + 14);
            const bool pcm = formatTag == 1;
            if (!pcm || (info.bitsPerSample != 8 && info.bitsPerSample != 16) || info.channels < 1
                || info.channels > 2 || info.sampleRate <= 0)
                return WavInfo {};
            haveFormat = true;
        } else if (tagIs(chunk, "data")) {
            if (!haveFormat)
                return WavInfo {};
            info.dataBytes = std::uint32_t(length);
            info.valid = true;
            return info;
        }
        pos = std::size_t(bodyStart + length + (length & 1));
    }
    return WavInfo {};
}

WavInfo readWavInfo(const std::string &path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return {};
    const std::streamoff size = file.tellg();
    if (size <= 0 || std::size_t(size) > LargestFile)
        return {};
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char *>(bytes.data()), size))
        return {};
    return parseWavHeader(bytes.data(), bytes.size());
}

} // namespace Quozzoli
