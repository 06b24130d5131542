// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundclip.h"

#include <algorithm>

namespace Quozzoli {

namespace {

int sampleAt(const unsigned char *frame, int channel, int bits)
{
    if (bits == 8)
        return (int(frame[channel]) - 128) * 256; // 8-bit WAVE samples are unsigned
    const unsigned char *p = frame + 2 * channel;
    return int(std::int16_t(std::uint16_t(p[0] | p[1] << 8)));
}

std::vector<std::int16_t> monoSamples(const unsigned char *data, const WavInfo &info)
{
    const int bytesPerFrame = info.channels * (info.bitsPerSample / 8);
    const std::size_t frames = info.dataBytes / std::size_t(bytesPerFrame);
    std::vector<std::int16_t> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const unsigned char *frame = data + i * std::size_t(bytesPerFrame);
        int sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += sampleAt(frame, c, info.bitsPerSample);
        mono[i] = std::int16_t(sum / info.channels);
    }
    return mono;
}

std::vector<std::int16_t> resampled(const std::vector<std::int16_t> &in, int from, int to)
{
    if (from == to || in.empty())
        return in;
    const std::size_t frames
        = std::size_t((std::uint64_t(in.size()) * std::uint64_t(to) + std::uint64_t(from) / 2)
                      / std::uint64_t(from));
    std::vector<std::int16_t> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint64_t position = std::uint64_t(i) * std::uint64_t(from);
        const std::size_t k = std::size_t(position / std::uint64_t(to));
        const std::int64_t fraction = std::int64_t(position % std::uint64_t(to));
        const std::int64_t a = in[std::min(k, in.size() - 1)];
        const std::int64_t b = in[std::min(k + 1, in.size() - 1)];
        out[i] = std::int16_t(a + (b - a) * fraction / to);
    }
    return out;
}

} // namespace

SoundClip convertToClip(const unsigned char *bytes, const WavInfo &info, int rate)
{
    SoundClip clip;
    clip.rate = rate;
    if (info.valid)
        clip.samples = resampled(monoSamples(bytes + info.dataOffset, info), info.sampleRate, rate);
    return clip;
}

std::shared_ptr<const SoundClip> loadSoundClip(const std::string &path, int rate)
{
    std::vector<unsigned char> bytes;
    if (!readSoundFile(path, bytes))
        return nullptr;
    const WavInfo info = parseWavHeader(bytes.data(), bytes.size());
    if (!info.valid)
        return nullptr;
    return std::make_shared<const SoundClip>(convertToClip(bytes.data(), info, rate));
}

} // namespace Quozzoli
