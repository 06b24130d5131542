// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"
#include "exercisescreen.h"
#include "form3.h"
#include "form6.h"
#include "navigator.h"
#include "picturebutton.h"
#include "screen.h"
#include "sharedvalues.h"
#include "svgpicture.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

QString caption(Screen *screen, const QString &name)
{
    if (auto *button = screen->findChild<QAbstractButton *>(name))
        return button->text();
    if (auto *label = screen->findChild<QLabel *>(name))
        return label->text();
    return QStringLiteral("<missing %1>").arg(name);
}

QStringList menuBarCaptions(Screen *screen)
{
    QStringList captions;
    for (QAction *action : screen->menuBar()->actions())
        captions << action->objectName() + QLatin1Char('=') + action->text();
    return captions;
}

template<class S> Screen *make()
{
    return new S;
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void splashScreenOpensTheMenu();
    void menuCaptions();
    void menuOffersTheExercisesItIsGiven();
    void exitQuestion();
    void everyExerciseOpensAndReturns_data();
    void everyExerciseOpensAndReturns();
    void exerciseMenuBars_data();
    void exerciseMenuBars();
    void countersAndAbout();
    void windowActivationIsNotAnEntry();
    void closingByTheWindowSystemAsksNothing();
};

void TestNavigation::splashScreenOpensTheMenu()
{
    TestEnvironment env;
    env.random.pushDraw(11, 18); // entry 12: RGB(0,255,255)
    QPointer<Screen> splash = env.open(ScreenId::FormAvvio);
    QVERIFY(shared().attendiBottone);
    QCOMPARE(splash->background(), QColor(0, 255, 255));
    QCOMPARE(caption(splash, "Label2_1"), QStringLiteral("Esercitazioni matematiche"));
    QCOMPARE(caption(splash, "Label2_0"), QStringLiteral("Quozzoli"));
    QCOMPARE(caption(splash, "Command1"), QStringLiteral("Avvio"));
    QVERIFY(splash->windowTitle().isEmpty());
    QCOMPARE(splash->canvas()->size(), QSize(669, 566)); // 10035 x 8490 twips
    // "Avvio" is the only control that takes the focus.
    int focusable = 0;
    for (QWidget *w : splash->findChildren<QWidget *>())
        focusable += w->isVisibleTo(splash) && w->focusPolicy() != Qt::NoFocus;
    QCOMPARE(focusable, 1);

    // "Avvio" opens the menu in a colour of its own, the splash goes.
    env.random.pushDraw(4, 18); // entry 5: RGB(255,128,0)
    qobject_cast<QAbstractButton *>(splash->findChild<QAbstractButton *>("Command1"))->click();
    TestEnvironment::settle();
    QVERIFY(splash.isNull());
    Screen *menu = TestEnvironment::current();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("FormMenu"));
    QCOMPARE(menu->background(), QColor(255, 128, 0));
    QVERIFY(menu->findChild<QRadioButton *>("Option1_1")->isChecked());
    QVERIFY(!menu->findChild<QRadioButton *>("Option1_0")->isChecked());
    for (const char *name : {"Option1_0", "Option1_1"}) {
        auto *option = menu->findChild<QRadioButton *>(name);
        QCOMPARE(option->palette().color(option->backgroundRole()), QColor(255, 128, 0));
        QVERIFY(option->autoFillBackground());
    }
    QVERIFY(QTest::qWaitForWindowActive(menu, Patience));
    QCOMPARE(QApplication::focusWidget(), menu->findChild<QWidget *>("Command1"));
}

void TestNavigation::menuCaptions()
{
    TestEnvironment env;
    Screen *menu = env.open(ScreenId::FormMenu);
    const QList<QPair<const char *, QString>> expected = {
        {"Command1", "Esci"},
        {"Command2", "Quoziente di una cifra - senza resto"},
        {"Command3", "Quioziente di una cifra - con il resto"},
        {"Command4", " Quoziente di due cifre - con il resto"},
        {"Command5", "Quoziente di due cifre - senza resto"},
        {"Command6", "Quoziente di due cifre - senza resto"},
        {"Command7", "Partizione senza resto"},
        {"Command8", "Contenenza senza resto"},
        {"Command9", "Partizione con il resto"},
        {"Command10", "Contenenza con il resto"},
        {"Command11", "tabelline"},
        {"Command12", " Quoziente di due cifre - con il resto"},
        {"Option1_1", "attende la pressione del bottone per proseguire"},
        {"Option1_0", "prosegue automaticamente  negli esercizi"},
        {"Label1_0", "Con i numeri"},
        {"Label1_1", "Con supporto grafico"},
        {"Label1_2", "dividendo di due cifre"},
        {"Label1_3", "dividendo di tre cifre"},
    };
    for (const auto &[name, text] : expected)
        QCOMPARE(caption(menu, name), text);
    QVERIFY(menu->windowTitle().isEmpty());
    QCOMPARE(menu->canvas()->size(), QSize(640, 480));

    // Focus order: Esci, Command2 .. Command12, Option1(0), Option1(1).
    QStringList order;
    QWidget *w = menu->findChild<QWidget *>("Command1");
    for (int i = 0; i < 14; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
    }
    QStringList expectedOrder {"Command1"};
    for (int n = 2; n <= 12; ++n)
        expectedOrder << QStringLiteral("Command%1").arg(n);
    expectedOrder << "Option1_0"
                  << "Option1_1";
    QCOMPARE(order, expectedOrder);
}

void TestNavigation::menuOffersTheExercisesItIsGiven()
{
    TestEnvironment env;
    Navigator::registerExercises({
        {ScreenId::Form3, 4, MenuColumn::ConINumeri, {120, 720}, make<Form3>, " Prova"},
        {ScreenId::Form6, 2, MenuColumn::TreCifre, {6360, 720}, make<Form6>, "Quioziente"},
    });
    Screen *menu = env.open(ScreenId::FormMenu);
    QVERIFY(!menu->findChild<QAbstractButton *>("Command3"));
    auto *first = menu->findChild<QAbstractButton *>("Command4");
    QCOMPARE(first->text(), QStringLiteral(" Prova"));
    QCOMPARE(first->accessibleName(), QStringLiteral("Prova, Con i numeri"));
    QCOMPARE(menu->canvas()->designRect(first), QRect(120, 720, 3000, 600));
    auto *second = menu->findChild<QAbstractButton *>("Command2");
    QCOMPARE(first->nextInFocusChain(), second);
    QCOMPARE(second->accessibleName(), QStringLiteral("Quoziente, dividendo di tre cifre"));

    first->click();
    TestEnvironment::settle();
    QCOMPARE(TestEnvironment::current()->objectName(), QStringLiteral("Form3"));
    QCOMPARE(TestEnvironment::current()->accessibleName(), QStringLiteral("Prova, Con i numeri"));
}

void TestNavigation::exitQuestion()
{
    TestEnvironment env;
    shared().attendiBottone = true;
    Screen *menu = env.open(ScreenId::FormMenu);
    const QColor colour = menu->background();
    auto *esci = menu->findChild<QAbstractButton *>("Command1");

    env.boxes.answer(false);
    esci->click();
    QCOMPARE(env.boxes.questions(), QStringList {"Vuoi uscire dal programma?"});
    QCOMPARE(env.quitRequests, 0);
    QCOMPARE(TestEnvironment::current(), menu);
    QCOMPARE(menu->background(), colour);
    QVERIFY(menu->findChild<QRadioButton *>("Option1_1")->isChecked());

    // Enter on "Esci", which holds the focus, asks once however long it is
    // held; the release of an Enter pressed elsewhere asks nothing.
    QCOMPARE(menu->focusWidget(), esci);
    QTest::keyPress(esci, Qt::Key_Return);
    for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent repeat(type, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(esci, &repeat);
    }
    QCOMPARE(env.boxes.questions().size(), 1);
    QTest::keyRelease(esci, Qt::Key_Return);
    QCOMPARE(env.boxes.questions().size(), 2);
    QTest::keyRelease(esci, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(env.boxes.questions().size(), 2);

    env.boxes.answer(true);
    QTest::keyClick(esci, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(env.quitRequests, 1);
}

void TestNavigation::everyExerciseOpensAndReturns_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<bool>("waitForNext");

    const QList<std::tuple<int, const char *, bool>> table = {
        {2, "Form1", true},   {3, "Form3", true},   {4, "Form4", true},   {5, "Form2", true},
        {6, "Form5", true},   {7, "Form6", false},  {8, "Form7", false},  {9, "Form8", false},
        {10, "Form9", false}, {11, "Form10", true}, {12, "Form11", true},
    };
    for (const auto &[button, screen, numeric] : table) {
        for (bool wait : {true, false}) {
            QTest::addRow("Command%d %s %s", button, screen, wait ? "waits" : "goes on")
                << button << QString::fromLatin1(screen) << numeric << wait;
        }
    }
}

void TestNavigation::everyExerciseOpensAndReturns()
{
    QFETCH(int, button);
    QFETCH(QString, screen);
    QFETCH(bool, numeric);
    QFETCH(bool, waitForNext);

    TestEnvironment env;
    QPointer<Screen> menu = env.open(ScreenId::FormMenu);
    menu->findChild<QAbstractButton *>(waitForNext ? "Option1_1" : "Option1_0")->click();
    QCOMPARE(shared().attendiBottone, waitForNext);
    // Counts left behind by another screen never show on a new one.
    shared().numeroEsatti.increment();
    shared().numeroErrati.increment();

    menu->findChild<QAbstractButton *>(QStringLiteral("Command%1").arg(button))->click();
    TestEnvironment::settle();
    QVERIFY(menu.isNull());
    auto *exercise = qobject_cast<ExerciseScreen *>(TestEnvironment::current());
    QVERIFY(exercise);
    QCOMPARE(exercise->objectName(), screen);
    QVERIFY(exercise->windowTitle().isEmpty());
    QCOMPARE(exercise->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(exercise->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(exercise->rightCount().value(), 0);
    QCOMPARE(exercise->wrongCount().value(), 0);
    QVERIFY(exercise->comandoIconaSi()->isVisible());
    QVERIFY(exercise->comandoIconaNo()->isVisible());
    QCOMPARE(exercise->comandoIconaSi()->geometry(), exercise->comandoIconaNo()->geometry());
    QCOMPARE(exercise->bottoneAvanti()->text(), QStringLiteral("avanti"));
    QCOMPARE(exercise->bottoneAvanti()->isVisibleTo(exercise) || !numeric,
             numeric ? waitForNext : true);
    QCOMPARE(caption(exercise, "Label2"), QStringLiteral("Errati"));
    QCOMPARE(exercise->findChild<QLabel *>("Label1") != nullptr, screen != "Form6");

    // "Esci", answered yes, brings back a new menu showing the switch as left.
    env.boxes.answer(true);
    exercise->menuAction(QStringLiteral("mnuEsci"))->trigger();
    QCOMPARE(env.boxes.questions(), QStringList {"Vuoi tornare al menù?"});
    TestEnvironment::settle();
    Screen *again = TestEnvironment::current();
    QVERIFY(again);
    QCOMPARE(again->objectName(), QStringLiteral("FormMenu"));
    QCOMPARE(again->findChild<QRadioButton *>("Option1_1")->isChecked(), waitForNext);
    QCOMPARE(again->findChild<QRadioButton *>("Option1_0")->isChecked(), !waitForNext);
    QCOMPARE(shared().attendiBottone, waitForNext);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<Screen *>(w) && w->isVisible(); }),
             1);
}

void TestNavigation::exerciseMenuBars_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("captions");

    const QString azzera = "MenuAzzera=Azzera conteggio";
    const QString info = "MenuInformazioni=Informazioni";
    const QString esci = "mnuEsci=Esci";
    const QString terms = "mnuTermini=Scegli i termini da utilizzare";
    const QStringList withTerms {azzera + blanks(11), terms + blanks(11), info + blanks(11), esci};
    QTest::newRow("Form1") << ScreenId::Form1 << withTerms;
    QTest::newRow("Form3") << ScreenId::Form3 << withTerms;
    const QStringList eight {azzera + blanks(8), info + blanks(11), esci};
    QTest::newRow("Form2") << ScreenId::Form2 << eight;
    QTest::newRow("Form5") << ScreenId::Form5 << eight;
    QTest::newRow("Form11") << ScreenId::Form11 << eight;
    const QStringList ten {azzera + blanks(10), info + blanks(11), esci};
    QTest::newRow("Form4") << ScreenId::Form4 << ten;
    QTest::newRow("Form6") << ScreenId::Form6 << ten;
    QTest::newRow("Form7") << ScreenId::Form7 << ten;
    QTest::newRow("Form8") << ScreenId::Form8 << ten;
    QTest::newRow("Form9") << ScreenId::Form9 << ten;
    QTest::newRow("Form10") << ScreenId::Form10
                            << QStringList {azzera + blanks(3),
                                            "MenuNumeroMassimo=Scegli i termini da utilizzare"
                                                + blanks(3),
                                            "MenuTipo=Scegli il tipo di esercizio" + blanks(3),
                                            info + blanks(10), esci};
}

void TestNavigation::exerciseMenuBars()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, captions);
    TestEnvironment env;
    auto *screen = env.open<ExerciseScreen>(id);
    QCOMPARE(menuBarCaptions(screen), captions);
    if (id == ScreenId::Form10) {
        QAction *tipo = screen->menuAction("MenuTipo");
        QVERIFY(tipo->menu());
        QStringList items;
        for (QAction *item : tipo->menu()->actions()) {
            QVERIFY(item->isCheckable());
            items << item->objectName() + QLatin1Char('=') + item->text();
        }
        QCOMPARE(items,
                 (QStringList {"MenuProdotto=Trova il prodotto", "MenuFattore=Trova un fattore"}));
    } else {
        for (QAction *action : screen->menuBar()->actions())
            QVERIFY(!action->menu()); // commands, not drop-downs
    }
}

void TestNavigation::countersAndAbout()
{
    TestEnvironment env;
    auto *screen = env.open<ExerciseScreen>(ScreenId::Form2);
    screen->menuAction("MenuInformazioni")->trigger();
    QCOMPARE(env.boxes.notices().size(), 1);
    const QStringList lines = env.boxes.notices().first().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].endsWith(QStringLiteral("  ")));
    QCOMPARE(lines[1], QStringLiteral(" ") + QString(23, QLatin1Char('-')) + QStringLiteral(" "));
    QVERIFY(lines[2].startsWith(QStringLiteral("https://")));
    QVERIFY(lines[3].startsWith(QStringLiteral("mail: ")));
    QVERIFY(!env.boxes.notices().first().endsWith(QStringLiteral("\n")));
    QCOMPARE(TestEnvironment::current(), screen);

    screen->etichettaEsatti()->setText(QStringLiteral(" 5"));
    shared().numeroEsatti.increment();
    screen->menuAction("MenuAzzera")->trigger();
    QCOMPARE(screen->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(screen->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(shared().numeroEsatti.value(), 0);
}

void TestNavigation::windowActivationIsNotAnEntry()
{
    TestEnvironment env;
    auto *screen = env.open<ExerciseScreen>(ScreenId::Form2);
    QVERIFY(QTest::qWaitForWindowActive(screen, Patience));
    const int draws = env.random.draws();
    // Another application's window comes to the front, then ours again.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(screen, &deactivate);
    QApplication::setActiveWindow(screen);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(screen, &activate);
    QCoreApplication::processEvents();
    QCOMPARE(env.random.draws(), draws); // no new problem was posed
}

void TestNavigation::closingByTheWindowSystemAsksNothing()
{
    TestEnvironment env;
    QPointer<Screen> screen = env.open(ScreenId::Form5);
    screen->close();
    TestEnvironment::settle();
    QVERIFY(screen.isNull());
    QVERIFY(env.boxes.questions().isEmpty());
    QVERIFY(!TestEnvironment::current());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
