// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A new problem on each numeric screen: NuovaDivisione and the repaint that
// shows it.
#include "benchenvironment.h"
#include "exercisescreen.h"
#include "latency.h"

#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

class BenchNuovaDivisione : public QObject
{
    Q_OBJECT

private slots:
    void newProblem_data();
    void newProblem();
};

void BenchNuovaDivisione::newProblem_data()
{
    QTest::addColumn<ScreenId>("id");
    for (const MenuExercise &exercise : MenuExercise::all()) {
        if (exercise.numeric)
            QTest::newRow(exercise.name) << exercise.id;
    }
}

void BenchNuovaDivisione::newProblem()
{
    QFETCH(ScreenId, id);
    BenchEnvironment env;
    auto *screen = env.open<ExerciseScreen>(id);
    Latency::measure([] {},
                     [screen] {
                         screen->nuovaDivisione();
                         Latency::settle();
                     });
}

QTEST_MAIN(BenchNuovaDivisione)
#include "bench_nuovadivisione.moc"
