// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The on-screen keypad: when it is shown, how it stands beside a screen, and
// whole exercises played by finger on a touch screen alone.
#include "applicationsetup.h"
#include "screendriver.h"
#include "sharedvalues.h"
#include "tastierino.h"

#include <QPointingDevice>
#include <QToolButton>

#include <memory>

using namespace Quozzoli;
using namespace ScreenDriver;

class TestTastierino : public QObject
{
    Q_OBJECT

private slots:
    void whenShown_data();
    void whenShown();
    void playedByTouchAlone();
};

void TestTastierino::whenShown_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("touchScreen");
    QTest::addColumn<bool>("touched");
    QTest::addColumn<bool>("shown");

    QTest::newRow("nothing: the screen as always") << QStringList() << false << false << false;
    QTest::newRow("--tastierino") << QStringList {"--tastierino"} << false << false << true;
    QTest::newRow("a touch screen") << QStringList() << true << false << true;
    QTest::newRow("--senza-tastierino on a touch screen")
        << QStringList {"--senza-tastierino"} << true << true << false;
    QTest::newRow("the last option counts")
        << QStringList {"--tastierino", "--senza-tastierino"} << false << false << false;
    QTest::newRow("the first touch") << QStringList() << false << true << true;
}

// With the keypad the design area is drawn as without it, the keypad beside
// it; without it, the screen is the screen of the design.
void TestTastierino::whenShown()
{
    QFETCH(QStringList, options);
    QFETCH(bool, touchScreen);
    QFETCH(bool, touched);
    QFETCH(bool, shown);

    QImage plain;
    {
        TestEnvironment env;
        readCommandLine({QStringLiteral("quozzoli"), QStringLiteral("--senza-tastierino")});
        env.random.pushDraw(3, 18);
        Screen *form = env.open(ScreenId::Form1);
        QVERIFY(QTest::qWaitForWindowExposed(form, Patience));
        QCOMPARE(form->canvas()->size(), form->canvas()->designPixels());
        QCOMPARE(form->canvas()->designPixels(), QSize(660, 448));
        plain = form->canvas()->grab().toImage();
    }

    TestEnvironment env;
    std::unique_ptr<QPointingDevice> finger;
    if (touchScreen)
        finger.reset(QTest::createTouchDevice());
    readCommandLine(QStringList {QStringLiteral("quozzoli")} + options);
    env.random.pushDraw(3, 18);
    Screen *form = env.open(ScreenId::Form1);
    QVERIFY(QTest::qWaitForWindowExposed(form, Patience));
    if (touched) {
        if (!finger)
            finger.reset(QTest::createTouchDevice()); // plugged in after the start
        tap(finger.get(), form->canvas(), QPoint(5, 5));
        QCoreApplication::processEvents();
    }

    auto *keypad = form->findChild<Tastierino *>();
    QCOMPARE(keypad != nullptr, shown);
    const QSize canvasSize = form->canvas()->size();
    if (!shown) {
        QCOMPARE(canvasSize, plain.size());
        QCOMPARE(form->canvas()->grab().toImage(), plain);
        return;
    }
    const int strip = DesignCanvas::pixels(Tastierino::WidthTwips, 1.0);
    QTRY_COMPARE_WITH_TIMEOUT(form->canvas()->size(), plain.size() + QSize(strip, 0), Patience);
    QCOMPARE(form->canvas()->scale(), 1.0);
    QCOMPARE(form->canvas()->grab(QRect(QPoint(), plain.size())).toImage(), plain);

    // Twelve keys beside the design area, large enough for a finger, that
    // never take the focus from the answer box.
    QCOMPARE(keypad->geometry().left(), plain.width());
    QStringList names;
    for (const QToolButton *key : keypad->findChildren<QToolButton *>()) {
        names << key->objectName() + QLatin1Char('=') + key->accessibleName();
        QVERIFY(key->width() >= 45 && key->height() >= 45);
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        QVERIFY(keypad->rect().contains(key->geometry()));
    }
    names.sort();
    QCOMPARE(names,
             QStringList({"Tasto0=0", "Tasto1=1", "Tasto2=2", "Tasto3=3", "Tasto4=4", "Tasto5=5",
                          "Tasto6=6", "Tasto7=7", "Tasto8=8", "Tasto9=9", "TastoCancella=cancella",
                          "TastoInvio=invio"}));

    // Grown with the window, the keypad keeps its place beside the rest.
    form->resize(form->size() * 2);
    QTRY_COMPARE_WITH_TIMEOUT(form->canvas()->scale(), 2.0, Patience);
    QCOMPARE(keypad->geometry().left(), 2 * plain.width());
    QCOMPARE(keypad->findChild<QWidget *>(QStringLiteral("Tasto0"))->width(),
             2 * DesignCanvas::pixels(Tastierino::KeyTwips, 1.0));
}

// From the menu to a solved problem and back, on Form1 and on Form4, with
// the keypad's keys, the buttons, the option buttons, a check box and the
// menu bar all tapped by a finger.
void TestTastierino::playedByTouchAlone()
{
    TestEnvironment env;
    const std::unique_ptr<QPointingDevice> touch(QTest::createTouchDevice());
    QPointingDevice *finger = touch.get();
    readCommandLine({QStringLiteral("quozzoli")});
    shared().attendiBottone = true;
    Screen *menu = env.open(ScreenId::FormMenu);

    // Form1: one box; "avanti" awaited.
    tap(finger, menu->findChild<QWidget *>(QStringLiteral("Command2")));
    auto *form1 = qobject_cast<ExerciseScreen *>(TestEnvironment::current());
    QCOMPARE(form1->objectName(), QStringLiteral("Form1"));
    QVERIFY(form1->findChild<Tastierino *>());
    QCOMPARE(form1->focusWidget(), box(form1, "Text1"));

    // A check box of the terms panel, and "Conferma".
    tapMenu(finger, form1, "mnuTermini");
    auto *panel = form1->findChild<TermsPanel *>();
    QVERIFY(panel && panel->isVisible());
    tap(finger, panel->item(0), QPoint(8, panel->item(0)->height() / 2)); // on its box
    QVERIFY(!panel->item(0)->isChecked());
    tap(finger, panel->confirmButton());
    QVERIFY(!panel->isVisible());
    QCOMPARE(form1->focusWidget(), box(form1, "Text1"));

    auto [dividend, divisor] = division(form1);
    QVERIFY(divisor > 1);
    const QString quotient = QString::number(dividend / divisor);
    env.sound.clear();
    tapAnswer(finger, quotient + QLatin1Char('1')); // a wrong answer
    QCOMPARE(labelText(form1, "EtichettaErrati"), QStringLiteral(" 1"));
    QCOMPARE(env.sound.relativePaths(), QStringList {QStringLiteral(R"(\suoni\no.wav)")});
    QVERIFY(form1->comandoIconaNo()->isVisible());
    tapKey(finger, QStringLiteral("Cancella"));
    QCOMPARE(box(form1, "Text1")->text(), quotient);
    tapKey(finger, QStringLiteral("Invio"));
    QCOMPARE(counts(form1), QStringList({" 1", " 1"}));
    QVERIFY(form1->comandoIconaSi()->isVisible());
    QCOMPARE(env.sound.relativePaths().size(), 2);
    // Solved: nothing to type in; "avanti" brings the next problem.
    auto *keypad = form1->findChild<Tastierino *>();
    QVERIFY(!keypad->findChild<QToolButton *>(QStringLiteral("Tasto5"))->isEnabled());
    tap(finger, form1->bottoneAvanti());
    QVERIFY(box(form1, "Text1")->text().isEmpty());
    QVERIFY(keypad->findChild<QToolButton *>(QStringLiteral("Tasto5"))->isEnabled());

    env.boxes.answer(true);
    tapMenu(finger, form1, "mnuEsci");
    QCOMPARE(env.boxes.questions(), QStringList {QStringLiteral("Vuoi tornare al menù?")});
    TestEnvironment::settle();
    menu = TestEnvironment::current();
    QCOMPARE(menu->objectName(), QStringLiteral("FormMenu"));
    QVERIFY(!menu->findChild<Tastierino *>()); // no answer boxes here

    // Form4: tens, units, remainder; the next problem at once.
    tap(finger, menu->findChild<QWidget *>(QStringLiteral("Option1_0")));
    QVERIFY(!shared().attendiBottone);
    tap(finger, menu->findChild<QWidget *>(QStringLiteral("Command4")));
    auto *form4 = qobject_cast<ExerciseScreen *>(TestEnvironment::current());
    QCOMPARE(form4->objectName(), QStringLiteral("Form4"));
    std::tie(dividend, divisor) = division(form4);
    const int q = dividend / divisor;
    tapAnswer(finger, QString::number(q / 10));
    QCOMPARE(form4->focusWidget(), box(form4, "Eur"));
    tapAnswer(finger, QString::number(q % 10));
    QCOMPARE(form4->focusWidget(), box(form4, "Text2"));
    env.sound.clear();
    tapAnswer(finger, QString::number(dividend % divisor));
    QCOMPARE(counts(form4), QStringList({" 1", "0"}));
    QCOMPARE(env.sound.relativePaths().size(), 1);
    QVERIFY(form4->comandoIconaSi()->isVisible());
    QVERIFY(division(form4) != std::make_pair(0, 0));
    QCOMPARE(form4->focusWidget(), box(form4, "Edar")); // the next problem

    env.boxes.answer(true);
    tapMenu(finger, form4, "mnuEsci");
    TestEnvironment::settle();
    QCOMPARE(TestEnvironment::current()->objectName(), QStringLiteral("FormMenu"));
}

QTEST_MAIN(TestTastierino)
#include "tst_tastierino.moc"
