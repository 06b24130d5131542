// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformsoundoutput.h"
#include "qtsoundplayer.h"
#include "services.h"
#include "soundcues.h"
#include "testenvironment.h"
#include "wavewriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Quozzoli;

namespace {

// A short 16-bit mono tone.
QByteArray toneWave(int milliseconds)
{
    return WaveWriter::wave(WaveWriter::tone(milliseconds, 440.0, 8000), {8000, 1, 16});
}

// How long a test waits for a sentence's end before it gives up as on a hang:
// far beyond what any machine takes, however busy, for sounds of a fraction
// of a second. Nothing here checks how soon a sound ends.
constexpr int HangGuardMs = 60000;

void write(const QString &path, const QByteArray &bytes)
{
    QVERIFY(WaveWriter::write(path, bytes));
}

// What the player logs, and when the desktop beeps, in order.
QStringList *soundLog = nullptr;
QtMessageHandler previousHandler = nullptr;

void logged(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The files, not the state of the sound output.
    if (soundLog && qstrcmp(context.category, "quozzoli.sound") == 0) {
        if (message.contains(QLatin1String(".wav")))
            soundLog->append(message);
    } else
        previousHandler(type, context, message);
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
    void sentenceEndsWhenHeard();
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

    QtSoundPlayer player(createPlatformSoundOutput());
    int beeps = 0;
    player.setBeep([&beeps] { ++beeps; });
    QSignalSpy spoken(&player, &SoundPlayer::spoken);
    player.play(path);
    QCOMPARE(beeps, 1);
    player.speak({path});
    QCOMPARE(beeps, 2);
    // A sentence that cannot play does not wait at all: it has been spoken
    // before speak() returns.
    QCOMPARE(spoken.count(), 1);
}

void TestSoundPlayer::sentenceEndsWhenHeard()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    write(path, toneWave(150));
    QtSoundPlayer player(createPlatformSoundOutput());
    int beeps = 0;
    player.setBeep([&beeps] { ++beeps; });
    QSignalSpy spoken(&player, &SoundPlayer::spoken);
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        player.speak({path});
        QCOMPARE(spoken.count(), i);
        QVERIFY(spoken.wait(HangGuardMs));
        // Heard to its end, or, with no sound output, waited for as long. How
        // soon after that it comes is the latency benchmark's to measure.
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 150, qPrintable(QString::number(waited)));
        // An effect is no sentence: nothing waits for its end.
        player.play(path);
        QCOMPARE(spoken.count(), i + 1);
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
    // Windows keeps the backslashes of the relative path, its own separators.
    QStringList paths;
    for (const auto &played : env.sound.played())
        paths << QDir::fromNativeSeparators(played.path);
    QCOMPARE(paths,
             (QStringList {"/quozzoli/suoni/si3.wav", "/quozzoli/suoni/no.wav",
                           "/quozzoli/voci/cisono.wav", "/quozzoli/voci/12.wav"}));
    QCOMPARE(env.sound.sentencePaths(), (QStringList {"\\voci\\cisono.wav", "\\voci\\12.wav"}));
}

void TestSoundPlayer::rightEffectsComeAtRandom()
{
    // Each right answer draws one of the four sounds afresh, so any of them
    // may come, and the same may come twice running.
    TestEnvironment env;
    for (int draw : {1, 1, 3, 0, 2})
        env.random.pushDraw(draw, 4);
    for (int i = 0; i < 5; ++i)
        SoundCues::suonoEsatto();
    QCOMPARE(env.random.pending(), 0);
    QCOMPARE(env.sound.relativePaths(),
             (QStringList {"\\suoni\\si2.wav", "\\suoni\\si2.wav", "\\suoni\\si4.wav",
                           "\\suoni\\si1.wav", "\\suoni\\si3.wav"}));
}

void TestSoundPlayer::voicePromptsPlayInOrder()
{
    // Through the real player, with real files in a program folder: a missing
    // one among them beeps in its place, once the one before has been heard,
    // and the rest still play.
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("voci/cisono.wav")), toneWave(100));
    write(dir.filePath(QStringLiteral("voci/caramelle.wav")), toneWave(120));
    Services::setProgramDir(dir.path());
    QStringList events;
    QElapsedTimer clock;
    qint64 beepedAt = -1;
    auto player = std::make_unique<QtSoundPlayer>(createPlatformSoundOutput());
    player->setBeep([&] {
        events << QStringLiteral("beep");
        beepedAt = clock.elapsed();
    });
    QSignalSpy spoken(player.get(), &SoundPlayer::spoken);
    Services::setSound(std::move(player));
    QLoggingCategory::setFilterRules(QStringLiteral("quozzoli.sound.debug=true"));
    soundLog = &events;
    previousHandler = qInstallMessageHandler(logged);
    clock.start();
    SoundCues::speak({"\\voci\\cisono.wav", "\\voci\\12.wav", "\\voci\\caramelle.wav"});
    QVERIFY(spoken.wait(HangGuardMs));
    const qint64 over = clock.elapsed();
    qInstallMessageHandler(previousHandler);
    soundLog = nullptr;
    QLoggingCategory::setFilterRules(QString());
    Services::reset();

    // The log doubles the backslashes that Windows keeps in the paths.
    for (QString &event : events)
        event.replace(QStringLiteral("\\\\"), QStringLiteral("/"));
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("voci/"));
    const auto quoted = [&](const char *file) {
        return QLatin1Char('"') + folder + QLatin1String(file) + QLatin1Char('"');
    };
    QCOMPARE(events,
             (QStringList {QStringLiteral("synchronous ") + quoted("cisono.wav"),
                           QStringLiteral("synchronous ") + quoted("12.wav"),
                           QStringLiteral("cannot play ") + quoted("12.wav")
                               + QStringLiteral(" - beeping instead"),
                           QStringLiteral("beep"),
                           QStringLiteral("synchronous ") + quoted("caramelle.wav")}));
    // Each waits for the one before.
    QVERIFY2(
        beepedAt >= 100 && over >= beepedAt + 120,
        qPrintable(QStringLiteral("beep after %1 ms, over after %2 ms").arg(beepedAt).arg(over)));
}

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
