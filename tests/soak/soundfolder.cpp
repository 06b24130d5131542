// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundfolder.h"

#include "soundfiles.h"
#include "wavewriter.h"

#include <cstdint>
#include <vector>

namespace {

QByteArray damaged(int kind)
{
    switch (kind % 3) {
    case 0: {
        QByteArray truncated = SoundFolder::tone(200);
        truncated.chop(truncated.size() / 2); // the header claims twice what is there
        return truncated;
    }
    case 1:
        return QByteArray(); // zero bytes
    default:
        return QByteArray("ID3\x03 this is a song, not a WAVE file");
    }
}

} // namespace

QByteArray SoundFolder::tone(int milliseconds)
{
    const int rate = 8000;
    std::vector<std::int16_t> samples(std::size_t(rate * milliseconds / 1000));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = i % 32 < 16 ? 2000 : -2000; // a soft square wave
    return WaveWriter::wave(samples, {rate, 1, 16});
}

void SoundFolder::fill(const QString &programDir, State state)
{
    if (state == State::Missing)
        return;
    int index = 0;
    for (const std::string &relative : Quozzoli::SoundFiles::allFiles()) {
        const QString path = QString::fromStdString(
            Quozzoli::SoundFiles::fullPath(programDir.toStdString(), relative));
        const bool effect = relative.rfind("\\suoni\\", 0) == 0;
        if (state == State::Corrupt) {
            WaveWriter::write(path, damaged(index++));
        } else if (effect) {
            WaveWriter::write(path, tone(120));
        } else {
            switch (index++ % 4) {
            case 0:
                WaveWriter::write(path, tone(40));
                break;
            case 1:
                break; // missing
            default:
                WaveWriter::write(path, damaged(index));
            }
        }
    }
}
