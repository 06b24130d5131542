// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Enter in an answer box of a numeric screen, to the verdict on view: the
// face, the counter, the sound started through the program's own player (on
// a machine with no sound device), and the repaint.
#include "answerbox.h"
#include "benchenvironment.h"
#include "exercisescreen.h"
#include "latency.h"
#include "screendriver.h"
#include "sharedvalues.h"

#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

class BenchAnswerEntry : public QObject
{
    Q_OBJECT

private slots:
    void enter_data();
    void enter();
};

void BenchAnswerEntry::enter_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("wait");
    for (const MenuExercise &exercise : MenuExercise::all()) {
        if (!exercise.numeric)
            continue;
        const QByteArray name(exercise.name);
        QTest::newRow(name + " wrong") << exercise.id << false << true;
        QTest::newRow(name + " right, waits for avanti") << exercise.id << true << true;
        QTest::newRow(name + " right, next problem at once") << exercise.id << true << false;
    }
}

void BenchAnswerEntry::enter()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, right);
    QFETCH(bool, wait);
    BenchEnvironment env;
    shared().attendiBottone = wait;
    auto *screen = env.open<ExerciseScreen>(id);
    AnswerBox *box = nullptr;
    Latency::measure(
        [&] {
            screen->nuovaDivisione();
            const QList<ScreenDriver::Step> steps = ScreenDriver::rightSteps(screen);
            QVERIFY(!steps.isEmpty());
            if (!right) {
                box = steps.first().box;
                box->setText(QString::number(steps.first().expected + 1));
                return;
            }
            for (qsizetype i = 0; i + 1 < steps.size(); ++i) {
                steps[i].box->setText(QString::number(steps[i].expected));
                QTest::keyClick(steps[i].box, Qt::Key_Return);
            }
            box = steps.last().box;
            box->setText(QString::number(steps.last().expected));
        },
        [&] {
            QTest::keyClick(box, Qt::Key_Return);
            Latency::settle();
        });
    QCOMPARE(right ? screen->rightCount().value() : screen->wrongCount().value(),
             Latency::runs() + 1);
}

QTEST_MAIN(BenchAnswerEntry)
#include "bench_answerentry.moc"
