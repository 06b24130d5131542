// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsoundplayer.h"
#include "randomsource.h"
#include "services.h"
#include "soundcues.h"
#include "testenvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <QtEndian>

using namespace Quozzoli;

namespace {

// A short 16-bit mono tone.
QByteArray toneWave(int milliseconds)
{
    const int rate = 8000;
    const int frames = rate * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const qint16 sample = qint16((i % 40 < 20) ? 3000 : -3000);
        data.append(char(sample & 0xFF)).append(char((sample >> 8) & 0xFF));
    }
    QByteArray out("RIFF");
    auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&out](quint16 v) {
        out.append(char(v & 0xFF)).append(char(v >> 8));
    };
    put32(quint32(36 + data.size()));
    out.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(quint32(data.size()));
    out.append(data);
    return out;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The real player, on a machine that may have no sound device at all (the
// tests run with none): nothing may block for longer than a file's own length
// and a bad file must never reach the sound system.
class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void badFilesBeepInstead_data();
    void badFilesBeepInstead();
    void synchronousSoundReturnsWhenItEnds();
    void cuesFollowThePathRule();
    void rightEffectsComeAtRandom();
    void voicePromptsPlayInOrder();
};

void TestSoundPlayer::badFilesBeepInstead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QByteArray truncated = toneWave(300);
    truncated.chop(100);
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("truncated") << truncated << true;
    QTest::newRow("not a sound") << QByteArray("just some text, not a wave") << true;
}

void TestSoundPlayer::badFilesBeepInstead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no.wav"));
    if (exists)
        write(path, bytes);

    QtSoundPlayer player;
    int beeps = 0;
    player.setBeep([&beeps] { ++beeps; });
    player.play(path, SoundPlayer::Mode::Asynchronous);
    QCOMPARE(beeps, 1);
    QElapsedTimer clock;
    clock.start();
    player.play(path, SoundPlayer::Mode::Synchronous);
    QCOMPARE(beeps, 2);
    // A synchronous prompt that cannot play does not wait at all.
    QVERIFY2(clock.elapsed() < QtSoundPlayer::WaitMarginMs,
             qPrintable(QString::number(clock.elapsed())));
}

void TestSoundPlayer::synchronousSoundReturnsWhenItEnds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    write(path, toneWave(150));
    QtSoundPlayer player;
    int beeps = 0;
    player.setBeep([&beeps] { ++beeps; });
    for (int i = 0; i < 3; ++i) {
        player.play(path, SoundPlayer::Mode::Synchronous);
        player.play(path, SoundPlayer::Mode::Asynchronous);
    }
    QCOMPARE(beeps, 0);
}

void TestSoundPlayer::cuesFollowThePathRule()
{
    TestEnvironment env;
    env.random.pushDraw(2, 4);
    SoundCues::suonoEsatto();
    SoundCues::suonoErrato();
    SoundCues::speak({"\\voci\\cisono.wav", "\\voci\\12.wav"});
    QCOMPARE(env.sound.played().size(), 4);
    QCOMPARE(env.sound.played()[0].path, QStringLiteral("/quozzoli/suoni/si3.wav"));
    QCOMPARE(env.sound.played()[1].path, QStringLiteral("/quozzoli/suoni/no.wav"));
    QCOMPARE(env.sound.played()[2].path, QStringLiteral("/quozzoli/voci/cisono.wav"));
    QCOMPARE(env.sound.played()[3].path, QStringLiteral("/quozzoli/voci/12.wav"));
    QCOMPARE(env.sound.relativePaths(SoundPlayer::Mode::Asynchronous),
             (QStringList {"\\suoni\\si3.wav", "\\suoni\\no.wav"}));
    QCOMPARE(env.sound.relativePaths(SoundPlayer::Mode::Synchronous),
             (QStringList {"\\voci\\cisono.wav", "\\voci\\12.wav"}));
}

void TestSoundPlayer::rightEffectsComeAtRandom()
{
    TestEnvironment env;
    Services::setRandom(std::make_unique<SystemRandom>(99));
    QSet<QString> heard;
    bool repeated = false;
    QString previous;
    for (int i = 0; i < 200; ++i) {
        SoundCues::suonoEsatto();
        const QString path = env.sound.relativePaths().last();
        repeated = repeated || path == previous;
        previous = path;
        heard.insert(path);
    }
    QCOMPARE(heard,
             (QSet<QString> {"\\suoni\\si1.wav", "\\suoni\\si2.wav", "\\suoni\\si3.wav",
                             "\\suoni\\si4.wav"}));
    QVERIFY(repeated);
}

void TestSoundPlayer::voicePromptsPlayInOrder()
{
    // Through the real player, with real files in a program folder: a missing
    // one among them beeps and the rest still play.
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("voci/cisono.wav")), toneWave(100));
    write(dir.filePath(QStringLiteral("voci/caramelle.wav")), toneWave(100));
    Services::setProgramDir(dir.path());
    auto player = std::make_unique<QtSoundPlayer>();
    int beeps = 0;
    player->setBeep([&beeps] { ++beeps; });
    Services::setSound(std::move(player));
    SoundCues::speak({"\\voci\\cisono.wav", "\\voci\\12.wav", "\\voci\\caramelle.wav"});
    QCOMPARE(beeps, 1);
    Services::reset();
}

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
