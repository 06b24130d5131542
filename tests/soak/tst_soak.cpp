// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationsetup.h"
#include "countingsoundplayer.h"
#include "menuexercise.h"
#include "processmemory.h"
#include "scriptedchild.h"
#include "services.h"
#include "soundfolder.h"
#include "tally.h"
#include "testenvironment.h"
#include "timedsoundplayer.h"

#include <QPixmapCache>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

using namespace Quozzoli;

namespace {

enum class Sounds {
    Doubles, // the test double: plays nothing, counts everything
    Missing, // the program's player, no sound device, no sound folders
    Corrupt, // the program's player, no sound device, every file damaged
    Mixed, // the program's player, no sound device, good, damaged and missing files
};

// QUOZZOLI_SOAK_CYCLES bounds the run (the sanitizer build sets a smaller count).
int cyclesAsked()
{
    const int asked = qEnvironmentVariableIntValue("QUOZZOLI_SOAK_CYCLES");
    return asked > 0 ? asked : 1000;
}

// Thousands of windows and sounds would repeat the platform's notices past
// QtTest's limit of messages, which would then hide the figures: they are
// left out, and everything else goes through.
QtMessageHandler testLog = nullptr;

void withoutRepeatedNotices(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints"))
        || message.contains(QLatin1String("No audio device detected")))
        return;
    testLog(type, context, message);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool UnderSanitizer = true; // its allocator keeps freed memory a while
#else
constexpr bool UnderSanitizer = false;
#endif

} // namespace

Q_DECLARE_METATYPE(Sounds)

// A child going through every screen of the program, a thousand times in
// all, answering right, wrong and with garbage: nothing may crash, hang,
// leak or miscount.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(withoutRepeatedNotices); }
    void cleanupTestCase() { qInstallMessageHandler(testLog); }
    void scriptedChild_data();
    void scriptedChild();
};

void TestSoak::scriptedChild_data()
{
    QTest::addColumn<Sounds>("sounds");
    QTest::addColumn<int>("cycles");
    const int cycles = cyclesAsked();
    const int tours = int(MenuExercise::all().size());
    QTest::newRow("sound test double") << Sounds::Doubles << cycles;
    QTest::newRow("no sound device, no sound folders") << Sounds::Missing << cycles;
    QTest::newRow("no sound device, damaged sound files") << Sounds::Corrupt << cycles;
    // Good files hold the screen for their length: two tours only.
    QTest::newRow("no sound device, good, damaged and missing files")
        << Sounds::Mixed << std::min(cycles, 2 * tours);
}

void TestSoak::scriptedChild()
{
    QFETCH(Sounds, sounds);
    QFETCH(int, cycles);
    const QList<MenuExercise> &exercises = MenuExercise::all();
    QVERIFY(cycles >= exercises.size());

    // As the program sets itself up (without the style's pixmap cache, which
    // would grow by about 1.4 KiB with every window in Qt 6.4).
    setUpApplication();
    const auto restoreCache = qScopeGuard([] { QPixmapCache::setCacheLimit(10240); });
    TestEnvironment env;
    QTemporaryDir programDir;
    CountingSoundPlayer *counting = nullptr;
    TimedSoundPlayer *timed = nullptr;
    if (sounds == Sounds::Doubles) {
        counting = new CountingSoundPlayer;
        Services::setSound(std::unique_ptr<SoundPlayer>(counting));
    } else {
        const SoundFolder::State state = sounds == Sounds::Missing ? SoundFolder::State::Missing
            : sounds == Sounds::Corrupt                            ? SoundFolder::State::Corrupt
                                                                   : SoundFolder::State::Mixed;
        SoundFolder::fill(programDir.path(), state);
        Services::setProgramDir(programDir.path());
        timed = new TimedSoundPlayer;
        Services::setSound(std::unique_ptr<SoundPlayer>(timed));
    }

    Tally tally;
    ScriptedChild child(tally, env.boxes, env.clock);
    child.startFromSplash();
    ProcessMemory::resetPeak();
    ProcessMemory afterFirstTour;
    for (int cycle = 0; cycle < cycles && !QTest::currentTestFailed(); ++cycle) {
        const MenuExercise &exercise = exercises.at(cycle % exercises.size());
        child.visit(exercise, exercise.numeric ? 2 : 1, cycle % 3 != 0);
        if (cycle == exercises.size() - 1)
            afterFirstTour = ProcessMemory::now();
        if ((cycle + 1) % std::max(1, cycles / 10) == 0) {
            const ProcessMemory memory = ProcessMemory::now();
            qInfo("after %d cycles: peak RSS %ld KiB, resident %ld KiB heap %zu KiB", cycle + 1,
                  memory.peakKib, memory.residentKib, mallinfo2().uordblks / 1024);
        }
    }
    if (QTest::currentTestFailed())
        return;
    child.leaveProgram();
    QCOMPARE(env.quitRequests, 1);
    const ProcessMemory end = ProcessMemory::now();

    qInfo("%s", qPrintable(tally.summary()));
    qInfo("peak RSS %ld KiB after the first tour of the %d screens, %ld KiB after the run; "
          "resident %ld KiB then, %ld KiB now",
          afterFirstTour.peakKib, int(exercises.size()), end.peakKib, afterFirstTour.residentKib,
          end.residentKib);

    QCOMPARE(tally.cycles, cycles);
    if (counting) {
        QCOMPARE(counting->count(QStringLiteral("no.wav")), tally.wrongEntries);
        QCOMPARE(counting->rightEffects(), tally.numericRightEffects);
        QCOMPARE(counting->count(QStringLiteral("attento1.wav")), tally.refusedDrops);
    } else {
        QCOMPARE(timed->effects(), tally.wrongEntries + tally.numericRightEffects);
        qInfo("%d prompts and %d effects played; the longest call took %lld ms, the longest "
              "past its file's own length and the player's margin %lld ms (%s)",
              timed->sentenceFiles(), timed->effects(), timed->longestMs(), timed->worstOverrunMs(),
              qPrintable(timed->worstPath()));
        // A hang, not a slow machine: the player gives up on the server a
        // fraction of a second past the file's length, so twenty seconds more
        // is far beyond what any machine takes, however busy.
        QVERIFY2(timed->worstOverrunMs() < 20000, qPrintable(timed->worstPath()));
    }
    if (!UnderSanitizer) {
        QVERIFY2(end.peakKib * 10 <= afterFirstTour.peakKib * 11,
                 qPrintable(QStringLiteral("peak RSS grew from %1 KiB to %2 KiB")
                                .arg(afterFirstTour.peakKib)
                                .arg(end.peakKib)));
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
