// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// Makes WAVE files for the tests: PCM of any rate, one or two channels, 8 or
// 16 bits.
class WaveWriter
{
public:
    struct Format
    {
        int rate = 44100;
        int channels = 1;
        int bits = 16;
    };

    // A complete file holding the samples (interleaved when stereo; 8-bit
    // files keep the high byte of each).
    static QByteArray wave(const std::vector<std::int16_t> &samples, Format format);
    static QByteArray wave(const std::vector<std::int16_t> &samples) { return wave(samples, {}); }

    // A sine tone none of whose samples is 0, so that both its ends can be
    // found in a recording.
    static std::vector<std::int16_t> tone(int milliseconds, double hertz = 440.0, int rate = 44100,
                                          int amplitude = 8000);

    // Writes the file, making its folder if needed.
    static bool write(const QString &path, const QByteArray &bytes);
};
