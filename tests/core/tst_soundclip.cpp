// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "samplequeue.h"
#include "soundclip.h"
#include "wavewriter.h"

#include <QTest>

#include <numeric>

using namespace Quozzoli;

using Samples = std::vector<std::int16_t>;
Q_DECLARE_METATYPE(Samples)

namespace {

SoundClip clipOf(const QByteArray &file, int rate)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(file.constData());
    const WavInfo info = parseWavHeader(bytes, std::size_t(file.size()));
    return convertToClip(bytes, info, rate);
}

std::shared_ptr<const SoundClip> clip(Samples samples)
{
    return std::make_shared<const SoundClip>(SoundClip {std::move(samples), 44100});
}

Samples taken(SampleQueue &queue, std::size_t frames)
{
    Samples out(frames, 999);
    queue.take(out.data(), frames);
    return out;
}

Samples concat(std::initializer_list<Samples> parts)
{
    Samples all;
    for (const Samples &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

// Files are turned into 16-bit mono samples at the stream's rate, and the
// stream is fed from a queue of them.
class TestSoundClip : public QObject
{
    Q_OBJECT

private slots:
    void converted_data();
    void converted();
    void sentenceBackToBack();
    void newSoundDropsTheRest();
};

void TestSoundClip::converted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Samples>("expected");
    const Samples tone = WaveWriter::tone(10);
    QTest::newRow("stream format, unchanged") << WaveWriter::wave(tone) << tone;
    QTest::newRow("8-bit, widened")
        << WaveWriter::wave({-32768, -256, 0, 256, 32512}, {44100, 1, 8})
        << Samples {-32768, -256, 0, 256, 32512};
    QTest::newRow("stereo, mixed")
        << WaveWriter::wave({1000, 3000, -500, 500, 7, 8}, {44100, 2, 16}) << Samples {2000, 0, 7};
    QTest::newRow("22050 Hz, twice the frames") << WaveWriter::wave({0, 1000, 3000}, {22050, 1, 16})
                                                << Samples {0, 500, 1000, 2000, 3000, 3000};
    QTest::newRow("88200 Hz, half the frames")
        << WaveWriter::wave({0, 10, 20, 30, 40, 50}, {88200, 1, 16}) << Samples {0, 20, 40};
}

void TestSoundClip::converted()
{
    QFETCH(QByteArray, file);
    QFETCH(Samples, expected);
    const SoundClip result = clipOf(file, 44100);
    QCOMPARE(result.rate, 44100);
    QCOMPARE(result.samples, expected);
}

void TestSoundClip::sentenceBackToBack()
{
    const Samples a = WaveWriter::tone(5, 440);
    const Samples b = WaveWriter::tone(3, 880);
    SampleQueue queue;
    taken(queue, 100); // silence while there is nothing to play
    const std::int64_t end = queue.start({clip(a), nullptr, clip(b)}, 7);
    QCOMPARE(end, 100 + 7 + std::int64_t(a.size() + b.size()));
    QCOMPARE(queue.soundEnd(), end);
    // Taken in pieces that do not match the clips' edges.
    Samples out;
    while (out.size() < 7 + a.size() + b.size() + 50) {
        const Samples piece = taken(queue, 61);
        out.insert(out.end(), piece.begin(), piece.end());
    }
    out.resize(7 + a.size() + b.size() + 50);
    QCOMPARE(out, concat({Samples(7, 0), a, b, Samples(50, 0)}));
}

void TestSoundClip::newSoundDropsTheRest()
{
    const Samples a = WaveWriter::tone(5, 440);
    const Samples b = WaveWriter::tone(5, 880);
    SampleQueue queue;
    queue.start({clip(a)}, 0);
    const Samples first = taken(queue, 40);
    queue.start({clip(b)}, 3);
    const Samples next = taken(queue, 3 + b.size() + 5);
    QCOMPARE(first, Samples(a.begin(), a.begin() + 40));
    QCOMPARE(next, concat({Samples(3, 0), b, Samples(5, 0)}));
    QCOMPARE(queue.soundEnd(), std::int64_t(40 + 3 + b.size()));

    queue.start({}, 10); // nothing to play: no silence is queued for it
    QCOMPARE(queue.soundEnd(), queue.written());
    queue.reset();
    QCOMPARE(queue.written(), 0);
    QCOMPARE(taken(queue, 4), Samples(4, 0));
}

QTEST_APPLESS_MAIN(TestSoundClip)
#include "tst_soundclip.moc"
