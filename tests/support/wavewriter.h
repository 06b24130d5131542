// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// Makes WAVE files for the tests: PCM of any rate, one or two channels, 8 or
// 16 bits; and, around bytes given as they are, the headers of the files a
// player must refuse.
class WaveWriter
{
public:
    struct Format
    {
        int rate = 44100;
        int channels = 1;
        int bits = 16;
        int encoding = 1; // the format tag: 1 PCM, 3 floating point, 6 A-law
    };

    // How the header departs from the plain file.
    struct Layout
    {
        qint64 claimedDataBytes = -1; // what the data chunk says it holds; -1: the truth
        bool infoChunkFirst = false; // a LIST chunk of odd length before "fmt "
    };

    // A file around `data`, taken as already in the format's encoding.
    static QByteArray wrap(const QByteArray &data, Format format, Layout layout);
    static QByteArray wrap(const QByteArray &data, Format format) { return wrap(data, format, {}); }

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
