// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundclip.h"
#include "soundfiles.h"
#include "wavinfo.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace Quozzoli;

// Every file the program can play is there beside the built program, and is
// a clear recording the player can load.
class TestSoundFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyFileIsThere_data();
    void everyFileIsThere();
    void voicesFitTheirBudget();
};

void TestSoundFiles::everyFileIsThere_data()
{
    QTest::addColumn<QString>("path");
    for (const std::string &relative : SoundFiles::allFiles()) {
        const std::string path = SoundFiles::fullPath(QUOZZOLI_PROGRAM_DIR, relative);
        QTest::newRow(relative.c_str()) << QString::fromStdString(path);
    }
}

void TestSoundFiles::everyFileIsThere()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const WavInfo info = readWavInfo(path.toStdString());
    QVERIFY(info.valid);
    QCOMPARE(info.bitsPerSample, 16);
    QCOMPARE(info.channels, 1);
    QCOMPARE(info.sampleRate, 44100);
    QVERIFY2(info.durationSeconds() >= 0.1 && info.durationSeconds() <= 4.0,
             qPrintable(QString::number(info.durationSeconds())));

    // Not silent: the samples' RMS is well above zero.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype start = bytes.indexOf("data") + 8;
    double sum = 0;
    qsizetype samples = 0;
    for (qsizetype i = start; i + 1 < bytes.size(); i += 2, ++samples) {
        const qint16 s = qint16(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8));
        sum += double(s) * s;
    }
    const double rms = std::sqrt(sum / double(std::max<qsizetype>(samples, 1)));
    QVERIFY2(rms > 300.0, qPrintable(QStringLiteral("RMS %1").arg(rms)));

    // The player loads it as it is, at the rate of its output.
    const std::shared_ptr<const SoundClip> clip = loadSoundClip(path.toStdString(), 44100);
    QVERIFY(clip);
    QCOMPARE(qsizetype(clip->samples.size()), samples);
}

void TestSoundFiles::voicesFitTheirBudget()
{
    qint64 total = 0;
    for (const std::string &relative : SoundFiles::allFiles()) {
        if (relative.rfind("\\voci\\", 0) == 0)
            total += QFile(QString::fromStdString(
                               SoundFiles::fullPath(QUOZZOLI_PROGRAM_DIR, relative)))
                         .size();
    }
    QVERIFY2(total > 0 && total < 8 * 1024 * 1024, qPrintable(QString::number(total)));
}

QTEST_MAIN(TestSoundFiles)
#include "tst_soundfiles.moc"
