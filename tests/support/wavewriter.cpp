// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <numbers>

namespace {

void put32(QByteArray &out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

} // namespace

QByteArray WaveWriter::wave(const std::vector<std::int16_t> &samples, Format format)
{
    QByteArray data;
    for (std::int16_t sample : samples) {
        if (format.bits == 8)
            data.append(char(quint8((sample >> 8) + 128)));
        else
            put16(data, quint16(sample));
    }
    return wrap(data, format);
}

QByteArray WaveWriter::wrap(const QByteArray &data, Format format, Layout layout)
{
    QByteArray info;
    if (layout.infoChunkFirst) {
        info.append("LIST");
        put32(info, 5);
        info.append("INFOx", 5).append('\0'); // padded to an even length
    }
    const int blockAlign = format.channels * format.bits / 8;
    QByteArray out("RIFF");
    put32(out, quint32(4 + info.size() + 24 + 8 + data.size()));
    out.append("WAVE").append(info).append("fmt ");
    put32(out, 16);
    put16(out, quint16(format.encoding));
    put16(out, quint16(format.channels));
    put32(out, quint32(format.rate));
    put32(out, quint32(format.rate * blockAlign));
    put16(out, quint16(blockAlign));
    put16(out, quint16(format.bits));
    out.append("data");
    put32(out, quint32(layout.claimedDataBytes >= 0 ? layout.claimedDataBytes : data.size()));
    return out + data;
}

std::vector<std::int16_t> WaveWriter::tone(int milliseconds, double hertz, int rate, int amplitude)
{
    std::vector<std::int16_t> samples(std::size_t(rate) * std::size_t(milliseconds) / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double phase = 2.0 * std::numbers::pi * hertz * double(i) / rate;
        samples[i] = std::int16_t(int(std::lround(amplitude * std::sin(phase))) | 1);
    }
    return samples;
}

bool WaveWriter::write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
