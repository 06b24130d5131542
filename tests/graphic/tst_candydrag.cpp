// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "boarddriver.h"
#include "form7.h"
#include "picturebutton.h"
#include "tastierino.h"

#include <QPointingDevice>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Quozzoli;

// Real drags on a real X server, by mouse and by finger: the candy is
// pressed, and a timer started beforehand moves the pointer (or the finger)
// and lets go inside the drag.
class TestCandyDrag : public QObject
{
    Q_OBJECT

private slots:
    void dragsOntoTheChildren();
    void dragsOutsideAChildDoNothing();
    void dragsByFingerAndAnswersOnTheKeypad();
    void aSecondFingerDuringADragChangesNothing();

private:
    static void dragCandy(QWidget *candy, QWidget *target, QPoint at);
    // `during` runs inside the drag, with the finger over the target.
    void touchDrag(QWidget *candy, QWidget *target, QPoint at,
                   const std::function<void()> &during = {});
    void tap(QWidget *widget, int finger = 0);

    std::unique_ptr<QPointingDevice> m_touchScreen;
};

void TestCandyDrag::dragCandy(QWidget *candy, QWidget *target, QPoint at)
{
    QTimer::singleShot(0, target, [target, at] {
        QTest::mouseMove(target, at - QPoint(8, 8));
        QTest::mouseMove(target, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    });
    QTest::mousePress(candy, Qt::LeftButton, {}, candy->rect().center());
    QCoreApplication::processEvents(); // the drop is handled once the drag is over
}

void TestCandyDrag::dragsOntoTheChildren()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 2);
    QVERIFY(QTest::qWaitForWindowExposed(b.board));
    b.introduce();

    dragCandy(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_VERIFY(b.candy(0)->isHidden());
    QVERIFY(!b.disc(0)->isHidden());

    dragCandy(b.candy(3), b.child(1), QPoint(4, 4));
    QTRY_VERIFY(b.candy(3)->isHidden());
    QVERIFY(!b.disc(9)->isHidden());

    dragCandy(b.candy(1), b.child(0), b.child(0)->rect().bottomRight() - QPoint(4, 4));
    QTRY_COMPARE(b.held(0), 2);
    env.sound.clear();
    dragCandy(b.candy(2), b.child(0), b.child(0)->rect().center()); // one too many
    QTRY_COMPARE(b.board->wrongCount().value(), 1);
    QVERIFY(!b.candy(2)->isHidden());
    QCOMPARE(env.sound.relativePaths(), QStringList {QStringLiteral("\\voci\\attento1.wav")});

    dragCandy(b.candy(2), b.child(1), b.child(1)->rect().center());
    QTRY_VERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
}

void TestCandyDrag::dragsOutsideAChildDoNothing()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form7, 3, 2);
    QVERIFY(QTest::qWaitForWindowExposed(b.board));
    b.introduce();
    QWidget *tray = b.tray(0);
    QWidget *canvas = b.board->canvas();
    const QPoint betweenChildren
        = (b.child(0)->geometry().topRight() + b.child(1)->geometry().topLeft()) / 2
        + QPoint(0, 40);
    dragCandy(b.candy(0), canvas, betweenChildren);
    dragCandy(b.candy(0), tray, tray->rect().center());
    dragCandy(b.candy(0), b.candy(9), b.candy(9)->rect().center());
    dragCandy(b.candy(0), canvas, b.child(1)->geometry().center()); // not in view yet

    Form7 other; // a candy of another board
    other.move(b.board->frameGeometry().topRight() + QPoint(20, 0));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QWidget *foreign = other.findChild<QWidget *>(QStringLiteral("PicCaramelle_0"));
    foreign->show();
    dragCandy(foreign, b.child(0), b.child(0)->rect().center());
    QVERIFY(!foreign->isHidden());
    QVERIFY(!b.candy(0)->isHidden());
    QCOMPARE(b.held(0), 0);
    QCOMPARE(b.held(1), 0);

    dragCandy(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_COMPARE(b.held(0), 1);
}

void TestCandyDrag::touchDrag(QWidget *candy, QWidget *target, QPoint at,
                              const std::function<void()> &during)
{
    QWidget *window = candy->window();
    QPointingDevice *device = m_touchScreen.get();
    const QPoint from = candy->mapTo(window, candy->rect().center());
    const QPoint to = target->mapTo(window, at);
    QTimer::singleShot(0, window, [window, device, to, during] {
        QTest::touchEvent(window, device).move(0, to - QPoint(8, 8), window);
        QTest::touchEvent(window, device).move(0, to, window);
        if (during)
            during();
        QTest::touchEvent(window, device).release(0, to, window);
    });
    QTest::touchEvent(window, device).press(0, from, window);
    QCoreApplication::processEvents(); // the drop is handled once the drag is over
}

void TestCandyDrag::tap(QWidget *widget, int finger)
{
    QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, widget->rect().center());
    QTest::touchEvent(window, m_touchScreen.get()).press(finger, at, window);
    QTest::touchEvent(window, m_touchScreen.get()).release(finger, at, window);
}

// A finger shares the candies as the mouse does, refusals included, and the
// answer is typed on the keypad, which a touch screen brings.
void TestCandyDrag::dragsByFingerAndAnswersOnTheKeypad()
{
    TestEnvironment env;
    m_touchScreen.reset(QTest::createTouchDevice());
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 2);
    QVERIFY(QTest::qWaitForWindowExposed(b.board));
    b.introduce();
    auto *keypad = b.board->findChild<Tastierino *>();
    QVERIFY(keypad);

    touchDrag(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_VERIFY(b.candy(0)->isHidden());
    QVERIFY(!b.disc(0)->isHidden());
    touchDrag(b.candy(1), b.child(0), QPoint(4, 4));
    QTRY_COMPARE(b.held(0), 2);
    env.sound.clear();
    touchDrag(b.candy(2), b.child(0), b.child(0)->rect().center()); // one too many
    QTRY_COMPARE(b.board->wrongCount().value(), 1);
    QVERIFY(!b.candy(2)->isHidden());
    QCOMPARE(env.sound.relativePaths(), QStringList {BoardSounds::Attento});
    touchDrag(b.candy(2), b.child(1), b.child(1)->rect().center());
    touchDrag(b.candy(3), b.child(1), b.child(1)->rect().center());
    QTRY_VERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());

    // 4 : 2 =, answered with a slip corrected on the keypad.
    auto key = [keypad](const char *name) {
        return keypad->findChild<QToolButton *>(QLatin1String(name));
    };
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    QTRY_COMPARE(QApplication::focusWidget(), text1);
    env.sound.clear();
    tap(key("Tasto3"));
    tap(key("TastoCancella"));
    tap(key("Tasto2"));
    QCOMPARE(text1->text(), QStringLiteral("2"));
    tap(key("TastoInvio"));
    QTRY_VERIFY(b.board->bottoneAvanti()->isEnabled());
    QCOMPARE(b.board->rightCount().value(), 1);
    QCOMPARE(env.sound.relativePaths(), BoardSounds::solution(4, 2, 2));
    QVERIFY(!key("TastoInvio")->isEnabled()); // nothing left to answer
    m_touchScreen.reset();
}

// While one finger drags a candy, a second one presses another candy, then a
// child, and lets go: one candy moves, once.
void TestCandyDrag::aSecondFingerDuringADragChangesNothing()
{
    TestEnvironment env;
    m_touchScreen.reset(QTest::createTouchDevice());
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 3);
    QVERIFY(QTest::qWaitForWindowExposed(b.board));
    b.introduce();

    QWidget *window = b.board;
    QPointingDevice *device = m_touchScreen.get();
    const QPoint child0 = b.child(0)->mapTo(window, b.child(0)->rect().center());
    const QPoint candy5 = b.candy(5)->mapTo(window, b.candy(5)->rect().center());
    const QPoint child1 = b.child(1)->mapTo(window, b.child(1)->rect().center());
    touchDrag(b.candy(0), b.child(0), b.child(0)->rect().center(), [=] {
        QTest::touchEvent(window, device).move(0, child0, window).press(1, candy5, window);
        QTest::touchEvent(window, device).move(0, child0, window).move(1, child1, window);
        QTest::touchEvent(window, device).move(0, child0, window).release(1, child1, window);
    });
    QTRY_VERIFY(b.candy(0)->isHidden());
    TestEnvironment::settle();
    QCOMPARE(b.held(0), 1);
    QCOMPARE(b.held(1), 0);
    QVERIFY(!b.candy(5)->isHidden());
    QCOMPARE(b.candiesOnTable(), 5);
    QCOMPARE(b.board->wrongCount().value(), 0);

    // And the board goes on taking drops as before.
    touchDrag(b.candy(5), b.child(1), b.child(1)->rect().center());
    QTRY_COMPARE(b.held(1), 1);
    QCOMPARE(b.candiesOnTable(), 4);
    m_touchScreen.reset();
}

QTEST_MAIN(TestCandyDrag)
#include "tst_candydrag.moc"
