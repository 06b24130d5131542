// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundfolder.h"

#include "soundfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void append32(QByteArray &out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void append16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

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

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

QByteArray SoundFolder::tone(int milliseconds)
{
    const int rate = 8000;
    QByteArray samples;
    for (int i = 0; i < rate * milliseconds / 1000; ++i)
        append16(samples, quint16(qint16(i % 32 < 16 ? 2000 : -2000)));
    QByteArray out("RIFF");
    append32(out, quint32(36 + samples.size()));
    out.append("WAVEfmt ");
    append32(out, 16);
    append16(out, 1); // PCM
    append16(out, 1); // mono
    append32(out, rate);
    append32(out, rate * 2);
    append16(out, 2);
    append16(out, 16);
    out.append("data");
    append32(out, quint32(samples.size()));
    return out + samples;
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
            write(path, damaged(index++));
        } else if (effect) {
            write(path, tone(120));
        } else {
            switch (index++ % 4) {
            case 0:
                write(path, tone(40));
                break;
            case 1:
                break; // missing
            default:
                write(path, damaged(index));
            }
        }
    }
}
