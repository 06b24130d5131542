// A click on a button of the main menu, to its exercise screen made, loaded,
// activated (first problem posed), on view and painted.
#include "benchenvironment.h"
#include "latency.h"
#include "navigator.h"
#include "screen.h"

#include <QAbstractButton>
#include <QTest>

using namespace Quozzoli;

class BenchMenuClick : public QObject
{
    Q_OBJECT

private slots:
    void openExercise_data();
    void openExercise();
};

void BenchMenuClick::openExercise_data()
{
    QTest::addColumn<QString>("button");
    for (const MenuExercise &exercise : MenuExercise::all())
        QTest::newRow(exercise.name) << QString::fromLatin1(exercise.menuButton);
}

void BenchMenuClick::openExercise()
{
    QFETCH(QString, button);
    BenchEnvironment env;
    QAbstractButton *target = nullptr;
    Latency::measure(
        [&] {
            Screen *menu = env.open(ScreenId::FormMenu);
            target = menu->findChild<QAbstractButton *>(button);
            QVERIFY(target);
        },
        [&] {
            QTest::mouseClick(target, Qt::LeftButton);
            Latency::waitUntilShown(Navigator::current());
        });
}

QTEST_MAIN(BenchMenuClick)
#include "bench_menuclick.moc"
