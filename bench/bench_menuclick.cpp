// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A click on a button of the main menu, to its exercise screen made, loaded,
// activated (first problem posed), on view and painted; and, for comparison,
// a click that opens a bare window of the same size.
#include "benchenvironment.h"
#include "latency.h"
#include "navigator.h"
#include "screen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Quozzoli;

class BenchMenuClick : public QObject
{
    Q_OBJECT

private slots:
    void openExercise_data();
    void openExercise();
    void bareWindow_data();
    void bareWindow();
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

void BenchMenuClick::bareWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("669 x 566, as Form1") << QSize(669, 566);
    QTest::newRow("788 x 599, as Form2") << QSize(788, 599);
}

// The floor: a click that opens a bare window of an exercise screen's size,
// holding one label, in place of the one clicked.
void BenchMenuClick::bareWindow()
{
    QFETCH(QSize, size);
    std::unique_ptr<QWidget> from;
    std::unique_ptr<QWidget> opened;
    QPushButton *button = nullptr;
    Latency::measure(
        [&] {
            opened.reset();
            from = std::make_unique<QWidget>();
            from->resize(size);
            button = new QPushButton(QStringLiteral("Apri"), from.get());
            connect(button, &QPushButton::clicked, from.get(), [&] {
                opened = std::make_unique<QWidget>();
                opened->resize(size);
                auto *label = new QLabel(QStringLiteral("Quozzoli"), opened.get());
                label->move(40, 40);
                opened->show();
                from->close();
            });
            from->show();
            Latency::waitUntilShown(from.get());
        },
        [&] {
            QTest::mouseClick(button, Qt::LeftButton);
            Latency::waitUntilShown(opened.get());
        });
}

QTEST_MAIN(BenchMenuClick)
#include "bench_menuclick.moc"
