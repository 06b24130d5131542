// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A candy dropped on a child of a candy board (a drag entering the child's
// picture and dropping there, as a finished drag ends), to the tray updated on view: taken
// into the tray, taken and completing the sharing (the answer panel opens),
// or refused as one too many (sad face and count; the warning prompt is
// played by the silent test double, so its own length is not counted).
#include "answerbox.h"
#include "answerpanel.h"
#include "benchenvironment.h"
#include "candyboard.h"
#include "candydrop.h"
#include "latency.h"
#include "picturebutton.h"
#include "problemrule.h"

#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

enum class Drop { Taken, Completes, Refused };

} // namespace

Q_DECLARE_METATYPE(Drop)

class BenchCandyDrop : public QObject
{
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
};

void BenchCandyDrop::drop_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<Drop>("drop");
    for (const MenuExercise &exercise : MenuExercise::all()) {
        if (exercise.numeric)
            continue;
        const QByteArray name(exercise.name);
        QTest::newRow(name + " taken") << exercise.id << Drop::Taken;
        QTest::newRow(name + " completes the sharing") << exercise.id << Drop::Completes;
        // Only a board that shares among a given number of children refuses a candy.
        if (exercise.id == ScreenId::Form6 || exercise.id == ScreenId::Form8)
            QTest::newRow(name + " refused") << exercise.id << Drop::Refused;
    }
}

void BenchCandyDrop::drop()
{
    QFETCH(ScreenId, id);
    QFETCH(Drop, drop);
    BenchEnvironment env(BenchEnvironment::Sound::Silent);
    TestEnvironment &doubles = env.doubles();
    auto *board = env.open<CandyBoard>(id);
    auto *panel = board->findChild<AnswerPanel *>(QStringLiteral("Frame2"));
    // Form6 and Form8 share among children, Form8 and Form9 leave a remainder.
    const bool partition = id == ScreenId::Form6 || id == ScreenId::Form8;
    const bool remainder = id == ScreenId::Form8 || id == ScreenId::Form9;
    const ProblemRule rule
        = partition ? ProblemRule::partition(remainder) : ProblemRule::quotition(remainder);
    // Two children with three candies each, or three candies for each of two children.
    const int divisore = partition ? 2 : 3;
    const int quoziente = partition ? 3 : 2;
    const auto firstCandy = [board] {
        for (int i = 0; i < CandyBoard::Candies; ++i) {
            if (board->findChild<QWidget *>(QStringLiteral("PicCaramelle_%1").arg(i))->isVisible())
                return i;
        }
        return -1;
    };
    int child = 0;
    int candy = -1;
    Latency::measure(
        [&] {
            doubles.sound.clear();
            doubles.random.pushDraw(divisore - 1, rule.divisorMax());
            doubles.random.pushDraw(quoziente - 1, rule.quotientMax());
            if (remainder)
                doubles.random.pushDraw(1, divisore);
            if (panel->isVisible()) {
                // The last problem was shared out: answer it and go on, as a child would.
                panel->text1()->setText(QString::number(quoziente));
                QTest::keyClick(panel->text1(), Qt::Key_Return);
                if (AnswerBox *text2 = panel->text2()) {
                    text2->setText(QStringLiteral("1"));
                    QTest::keyClick(text2, Qt::Key_Return);
                }
                QCoreApplication::processEvents(); // the solution is read back
                QTest::mouseClick(board->bottoneAvanti(), Qt::LeftButton);
                QVERIFY(panel->isHidden());
            } else {
                board->nuovaDivisione();
            }
            for (int step = 1; step <= 3; ++step) {
                doubles.clock.advance(2000);
                board->timer1Timer();
                QCoreApplication::processEvents(); // its prompt ends
            }
            const int each = partition ? quoziente : divisore;
            // The drops before the one measured.
            int before = drop == Drop::Taken ? 0 : each;
            if (drop == Drop::Completes)
                before = divisore * quoziente - 1;
            for (int i = 0; i < before; ++i)
                dropCandy(board, i / each, firstCandy());
            child = drop == Drop::Completes ? (divisore * quoziente - 1) / each : 0;
            candy = firstCandy();
        },
        [&] {
            dropCandy(board, child, candy);
            Latency::settle();
        });
    QCOMPARE(panel->isVisible(), drop == Drop::Completes);
    QCOMPARE(board->wrongCount().value(), drop == Drop::Refused ? Latency::runs() + 1 : 0);
}

QTEST_MAIN(BenchCandyDrop)
#include "bench_candydrop.moc"
