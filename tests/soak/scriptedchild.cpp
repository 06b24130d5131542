// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptedchild.h"

#include "candyboard.h"
#include "exercisescreen.h"
#include "form10.h"
#include "menuexercise.h"
#include "navigator.h"
#include "scriptedmessageboxes.h"
#include "tally.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTest>

using namespace Quozzoli;

ScriptedChild::ScriptedChild(Tally &tally, ScriptedMessageBoxes &boxes, ManualClock &clock)
    : m_tally(tally)
    , m_boxes(boxes)
    , m_numeric(tally)
    , m_graphic(tally, clock)
    , m_terms(tally)
{ }

void ScriptedChild::resetScreenTally()
{
    m_tally.screenRight = 0;
    m_tally.screenWrong = 0;
    m_tally.screenRightShown = 0;
}

Screen *ScriptedChild::menu()
{
    Screen *screen = TestEnvironment::current();
    return screen && screen->objectName() == QLatin1String("FormMenu") ? screen : nullptr;
}

void ScriptedChild::startFromSplash()
{
    TestEnvironment::closeAll();
    QPointer<Screen> splash = Navigator::open(ScreenId::FormAvvio);
    auto *avvio = splash->findChild<QAbstractButton *>(QStringLiteral("Command1"));
    QVERIFY(avvio);
    QTest::mouseClick(avvio, Qt::LeftButton);
    TestEnvironment::settle();
    QVERIFY(menu());
    QVERIFY(splash.isNull());
}

void ScriptedChild::visit(const MenuExercise &exercise, int problems, bool wait)
{
    Screen *from = menu();
    QVERIFY(from);
    auto *option
        = from->findChild<QAbstractButton *>(QStringLiteral("Option1_%1").arg(wait ? 1 : 0));
    QVERIFY(option);
    option->click();
    auto *button = from->findChild<QAbstractButton *>(QLatin1String(exercise.menuButton));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    TestEnvironment::settle();

    QPointer<ExerciseScreen> screen = qobject_cast<ExerciseScreen *>(TestEnvironment::current());
    QVERIFY(screen);
    QCOMPARE(screen->objectName(), QLatin1String(exercise.name));
    QCOMPARE(screen->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(screen->etichettaErrati()->text(), QStringLiteral("0"));
    resetScreenTally();

    const int visit = m_tally.cycles;
    if (auto *form10 = qobject_cast<Form10 *>(screen.data())) {
        // Both kinds of exercise, in turn.
        const bool factor = visit % 4 >= 2;
        screen->menuAction(QLatin1String(factor ? "MenuFattore" : "MenuProdotto"))->trigger();
        QCOMPARE(form10->factorMode(), factor);
    }
    QList<int> terms;
    if (TermsChooser::panelOf(screen) && visit % 2 == 0)
        terms = m_terms.choose(screen, visit / 2);

    for (int i = 0; i < problems && !QTest::currentTestFailed(); ++i) {
        if (!terms.isEmpty())
            TermsChooser::checkProblem(screen, terms);
        if (exercise.numeric)
            m_numeric.solve(screen, m_problem++);
        else
            m_graphic.solve(static_cast<CandyBoard *>(screen.data()), m_problem++);
        QVERIFY(screen);
    }
    if (QTest::currentTestFailed())
        return;
    useMenuCommands(screen);
    returnToMenu(screen);
    ++m_tally.cycles;
}

void ScriptedChild::useMenuCommands(ExerciseScreen *screen)
{
    // Now and then: the about box, and the counts set back to 0.
    if (m_tally.cycles % 7 == 3) {
        screen->menuAction(QStringLiteral("MenuInformazioni"))->trigger();
        QCOMPARE(TestEnvironment::current(), screen);
    }
    if (m_tally.cycles % 5 == 2) {
        screen->menuAction(QStringLiteral("MenuAzzera"))->trigger();
        resetScreenTally();
        QCOMPARE(screen->rightCount().value(), 0);
        QCOMPARE(screen->wrongCount().value(), 0);
        QCOMPARE(screen->etichettaEsatti()->text(), QStringLiteral("0"));
        QCOMPARE(screen->etichettaErrati()->text(), QStringLiteral("0"));
    }
}

void ScriptedChild::returnToMenu(ExerciseScreen *screen)
{
    QPointer<ExerciseScreen> leaving = screen;
    QAction *esci = screen->menuAction(QStringLiteral("mnuEsci"));
    QVERIFY(esci);
    if (m_tally.cycles % 10 == 5) {
        // "No" first: nothing changes.
        m_boxes.answer(false);
        esci->trigger();
        TestEnvironment::settle();
        QCOMPARE(TestEnvironment::current(), screen);
        QCOMPARE(screen->rightCount().value(), m_tally.screenRight);
    }
    m_boxes.answer(true);
    esci->trigger();
    TestEnvironment::settle();
    QVERIFY(leaving.isNull());
    QVERIFY(menu());
}

void ScriptedChild::leaveProgram()
{
    Screen *screen = menu();
    QVERIFY(screen);
    auto *esci = screen->findChild<QAbstractButton *>(QStringLiteral("Command1"));
    QVERIFY(esci);
    m_boxes.answer(true);
    QTest::mouseClick(esci, Qt::LeftButton);
}
