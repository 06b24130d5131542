// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavewriter.h"
#include "wavinfo.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

using namespace Quozzoli;

namespace {

// A WAVE file of `frames` frames; `claimed` overrides the data length.
QByteArray wave(int encoding, int bits, int channels, int rate, int frames, qint64 claimed = -1,
                bool listChunk = false)
{
    WaveWriter::Layout layout;
    layout.claimedDataBytes = claimed;
    layout.infoChunkFirst = listChunk;
    QByteArray bytes = WaveWriter::wrap(QByteArray(qsizetype(frames) * channels * bits / 8, 0x10),
                                        {rate, channels, bits, encoding}, layout);
    bytes.replace(4, 4, QByteArray(4, '\0')); // the RIFF length is not checked
    return bytes;
}

} // namespace

class TestWavInfo : public QObject
{
    Q_OBJECT

private slots:
    void headers_data();
    void headers();
    void filesOnDisk_data();
    void filesOnDisk();
};

void TestWavInfo::headers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("seconds");

    QTest::newRow("16-bit mono") << wave(1, 16, 1, 44100, 44100) << true << 1.0;
    QTest::newRow("8-bit stereo") << wave(1, 8, 2, 8000, 4000) << true << 0.5;
    QTest::newRow("list chunk before format")
        << wave(1, 16, 1, 16000, 1600, -1, true) << true << 0.1;
    QTest::newRow("24-bit") << wave(1, 24, 1, 44100, 100) << false << 0.0;
    QTest::newRow("float") << wave(3, 32, 1, 44100, 100) << false << 0.0;
    QTest::newRow("a-law") << wave(6, 8, 1, 8000, 100) << false << 0.0;
    QTest::newRow("data longer than the file")
        << wave(1, 16, 1, 44100, 100, 0x7FFFFFFF) << false << 0.0;
    QByteArray truncated = wave(1, 16, 1, 44100, 1000);
    truncated.chop(10);
    QTest::newRow("truncated") << truncated << false << 0.0;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
    QTest::newRow("text") << QByteArray("this is not a sound at all, just words") << false << 0.0;
    QTest::newRow("header only") << wave(1, 16, 1, 44100, 0).left(12) << false << 0.0;
    QTest::newRow("thirty seconds") << wave(1, 8, 1, 8000, 240000) << true << 30.0;
    QTest::newRow("longer than thirty seconds") << wave(1, 8, 1, 8000, 240008) << false << 0.0;
}

void TestWavInfo::headers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(double, seconds);
    const WavInfo info = parseWavHeader(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                        std::size_t(bytes.size()));
    QCOMPARE(info.valid, valid);
    QCOMPARE(info.durationSeconds(), seconds);
}

void TestWavInfo::filesOnDisk_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("valid");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("folder name with blanks and accents") << "accented" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("folder") << "folder" << false;
    // Opening a FIFO for reading would wait for a writer, for ever.
    QTest::newRow("FIFO") << "fifo" << false;
    QTest::newRow("device") << "device" << false;
    QTest::newRow("larger than 16 MiB") << "large" << false;
}

void TestWavInfo::filesOnDisk()
{
    QFETCH(QString, kind);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("cisono.wav"));
    const auto bytes = wave(1, 16, 1, 22050, 2205);
    if (kind == QLatin1String("accented")) {
        const QString folder = QStringLiteral("Attività di Ànna è più");
        QVERIFY(QDir(dir.path()).mkdir(folder));
        path = QDir(dir.filePath(folder)).filePath(QStringLiteral("cisono.wav"));
    }
#ifdef _WIN32
    // A pipe server end: the file name opens its client end.
    HANDLE pipe = INVALID_HANDLE_VALUE;
    const auto closePipe = qScopeGuard([&pipe] {
        if (pipe != INVALID_HANDLE_VALUE)
            ::CloseHandle(pipe);
    });
#endif
    if (kind == QLatin1String("file") || kind == QLatin1String("large")
        || kind == QLatin1String("accented")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (kind == QLatin1String("large")) // the rest of the file past the data chunk
            QVERIFY(file.resize(16 * 1024 * 1024 + 1));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cisono.wav")));
    } else if (kind == QLatin1String("fifo")) {
#ifdef _WIN32
        path = QStringLiteral("\\\\.\\pipe\\quozzoli-%1").arg(::GetCurrentProcessId());
        pipe = ::CreateNamedPipeW(reinterpret_cast<const wchar_t *>(path.utf16()),
                                  PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
        QVERIFY(pipe != INVALID_HANDLE_VALUE);
#else
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
#endif
    } else if (kind == QLatin1String("device")) {
#ifdef _WIN32
        path = QStringLiteral("NUL");
#else
        path = QStringLiteral("/dev/zero");
#endif
    }

    const WavInfo info = readWavInfo(path.toStdString());
    QCOMPARE(info.valid, valid);
    if (valid) {
        QCOMPARE(info.sampleRate, 22050);
        QCOMPARE(info.durationSeconds(), 0.1);
    }
}

QTEST_APPLESS_MAIN(TestWavInfo)
#include "tst_wavinfo.moc"
