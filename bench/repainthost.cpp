// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen of the program, maximised, for bench_repaintprobe to measure from
// outside: chance, the clock and sound are the test doubles, so every run
// shows the same screen. On a candy board the clock is moved on until every
// step of the first problem has been taken (the candies laid, the children
// seated, the words written, the answer panel open), so that the whole board
// is measured. The text cursor does not blink, so that a settled screen
// stays the same picture.
//
// Usage: bench_repainthost SCREEN            FormMenu, Form1 ... Form11
//        bench_repainthost --from-menu SCREEN
//   With --from-menu the main menu is shown, maximised, and once it is as
//   large as the screen "click X Y" is printed: where its button for SCREEN is.
#include "benchenvironment.h"
#include "navigator.h"
#include "screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace Quozzoli;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool fromMenu = arguments.value(0) == QLatin1String("--from-menu");
    const QString name = arguments.value(fromMenu ? 1 : 0);

    ScreenId id = ScreenId::FormMenu;
    const char *button = nullptr;
    for (const MenuExercise &exercise : MenuExercise::all()) {
        if (name == QLatin1String(exercise.name)) {
            id = exercise.id;
            button = exercise.menuButton;
        }
    }
    if (name != QLatin1String("FormMenu") && !button) {
        std::fprintf(stderr, "bench_repainthost: no screen %s\n", qPrintable(name));
        return 2;
    }
    if (fromMenu && !button)
        return 2;

    BenchEnvironment env(BenchEnvironment::Sound::Silent);
    Screen *screen = Navigator::open(fromMenu ? ScreenId::FormMenu : id);
    screen->setWindowState(Qt::WindowMaximized);

    // The board's steps follow its clock: a few seconds at a time, as many
    // times as it takes to reach the last.
    QTimer steps;
    int stepsLeft = 40;
    QObject::connect(&steps, &QTimer::timeout, &app, [&] {
        env.doubles().clock.advance(2000);
        if (--stepsLeft == 0)
            steps.stop();
    });
    if (!fromMenu)
        steps.start(20);

    QTimer ready; // tells where to click once the menu fills the screen
    if (fromMenu) {
        auto *target = screen->findChild<QAbstractButton *>(QString::fromLatin1(button));
        QObject::connect(&ready, &QTimer::timeout, screen, [&ready, screen, target] {
            if (screen->size() != screen->screen()->size())
                return;
            ready.stop();
            const QPoint centre = target->mapToGlobal(target->rect().center());
            std::printf("click %d %d\n", centre.x(), centre.y());
            std::fflush(stdout);
        });
        ready.start(20);
    }
    return app.exec();
}
