// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "boarddriver.h"
#include "form7.h"
#include "picturebutton.h"
#include "screendriver.h"
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
    void dragsOntoTheChildren_data();
    void dragsOntoTheChildren();
    void dragsOutsideAChildDoNothing();
    void aSecondFingerDuringADragChangesNothing();

private:
    // Opens the board on a real window and lets its introduction run.
    static bool openOnView(BoardDriver &b, ScreenId screen, int divisore, int quoziente);
    // By finger while there is a touch screen, else by mouse. `during` runs
    // inside the drag, with the finger over the target.
    void drag(QWidget *candy, QWidget *target, QPoint at, const std::function<void()> &during = {});

    std::unique_ptr<QPointingDevice> m_touchScreen;
};

bool TestCandyDrag::openOnView(BoardDriver &b, ScreenId screen, int divisore, int quoziente)
{
    b.open(screen, divisore, quoziente);
    if (!QTest::qWaitForWindowExposed(b.board, Patience))
        return false;
    b.introduce();
    return true;
}

void TestCandyDrag::dragsOntoTheChildren_data()
{
    QTest::addColumn<bool>("finger");
    QTest::newRow("mouse") << false;
    QTest::newRow("finger") << true;
}

// The mouse and a finger share the candies alike, refusals included; a
// finger then answers on the keypad, which a touch screen brings.
void TestCandyDrag::dragsOntoTheChildren()
{
    QFETCH(bool, finger);
    TestEnvironment env;
    if (finger)
        m_touchScreen.reset(QTest::createTouchDevice());
    BoardDriver b {env};
    QVERIFY(openOnView(b, ScreenId::Form6, 2, 2));

    drag(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(b.candy(0)->isHidden(), Patience);
    QVERIFY(!b.disc(0)->isHidden());

    drag(b.candy(3), b.child(1), QPoint(4, 4));
    QTRY_VERIFY_WITH_TIMEOUT(b.candy(3)->isHidden(), Patience);
    QVERIFY(!b.disc(9)->isHidden());

    drag(b.candy(1), b.child(0), b.child(0)->rect().bottomRight() - QPoint(4, 4));
    QTRY_COMPARE_WITH_TIMEOUT(b.held(0), 2, Patience);
    env.sound.clear();
    drag(b.candy(2), b.child(0), b.child(0)->rect().center()); // one too many
    QTRY_COMPARE_WITH_TIMEOUT(b.board->wrongCount().value(), 1, Patience);
    QVERIFY(!b.candy(2)->isHidden());
    QCOMPARE(env.sound.relativePaths(), QStringList {BoardSounds::Attento});

    drag(b.candy(2), b.child(1), b.child(1)->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(!b.control(QStringLiteral("Frame2"))->isHidden(), Patience);
    if (!finger)
        return;

    // 4 : 2 =, answered with a slip corrected on the keypad.
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), text1, Patience);
    env.sound.clear();
    for (const char *key : {"3", "Cancella", "2"})
        ScreenDriver::tapKey(m_touchScreen.get(), QLatin1String(key));
    QCOMPARE(text1->text(), QStringLiteral("2"));
    ScreenDriver::tapKey(m_touchScreen.get(), QStringLiteral("Invio"));
    QTRY_VERIFY_WITH_TIMEOUT(b.board->bottoneAvanti()->isEnabled(), Patience);
    QCOMPARE(b.board->rightCount().value(), 1);
    QCOMPARE(env.sound.relativePaths(), BoardSounds::solution(4, 2, 2));
    auto *enter = b.board->findChild<Tastierino *>()->findChild<QToolButton *>("TastoInvio");
    QVERIFY(!enter->isEnabled()); // nothing left to answer
    m_touchScreen.reset();
}

void TestCandyDrag::dragsOutsideAChildDoNothing()
{
    TestEnvironment env;
    BoardDriver b {env};
    QVERIFY(openOnView(b, ScreenId::Form7, 3, 2));
    QWidget *tray = b.tray(0);
    QWidget *canvas = b.board->canvas();
    const QPoint betweenChildren
        = (b.child(0)->geometry().topRight() + b.child(1)->geometry().topLeft()) / 2
        + QPoint(0, 40);
    drag(b.candy(0), canvas, betweenChildren);
    drag(b.candy(0), tray, tray->rect().center());
    drag(b.candy(0), b.candy(9), b.candy(9)->rect().center());
    drag(b.candy(0), canvas, b.child(1)->geometry().center()); // not in view yet

    Form7 other; // a candy of another board
    other.move(b.board->frameGeometry().topRight() + QPoint(20, 0));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other, Patience));
    QWidget *foreign = other.findChild<QWidget *>(QStringLiteral("PicCaramelle_0"));
    foreign->show();
    drag(foreign, b.child(0), b.child(0)->rect().center());
    QVERIFY(!foreign->isHidden());
    QVERIFY(!b.candy(0)->isHidden());
    QCOMPARE(b.held(0), 0);
    QCOMPARE(b.held(1), 0);

    drag(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(b.held(0), 1, Patience);
}

void TestCandyDrag::drag(QWidget *candy, QWidget *target, QPoint at,
                         const std::function<void()> &during)
{
    QWidget *window = candy->window();
    QPointingDevice *finger = m_touchScreen.get();
    const QPoint to = finger ? target->mapTo(window, at) : at; // a finger stays in its window
    QTimer::singleShot(0, target, [=] {
        if (!finger) {
            QTest::mouseMove(target, at - QPoint(8, 8));
            QTest::mouseMove(target, at);
            QTest::mouseRelease(target, Qt::LeftButton, {}, at);
            return;
        }
        QTest::touchEvent(window, finger).move(0, to - QPoint(8, 8), window);
        QTest::touchEvent(window, finger).move(0, to, window);
        if (during)
            during();
        QTest::touchEvent(window, finger).release(0, to, window);
    });
    if (finger)
        QTest::touchEvent(window, finger)
            .press(0, candy->mapTo(window, candy->rect().center()), window);
    else
        QTest::mousePress(candy, Qt::LeftButton, {}, candy->rect().center());
    QCoreApplication::processEvents(); // the drop is handled once the drag is over
}

// While one finger drags a candy, a second one presses another candy, then a
// child, and lets go: one candy moves, once.
void TestCandyDrag::aSecondFingerDuringADragChangesNothing()
{
    TestEnvironment env;
    m_touchScreen.reset(QTest::createTouchDevice());
    BoardDriver b {env};
    QVERIFY(openOnView(b, ScreenId::Form6, 2, 3));

    QWidget *window = b.board;
    QPointingDevice *device = m_touchScreen.get();
    const QPoint child0 = b.child(0)->mapTo(window, b.child(0)->rect().center());
    const QPoint candy5 = b.candy(5)->mapTo(window, b.candy(5)->rect().center());
    const QPoint child1 = b.child(1)->mapTo(window, b.child(1)->rect().center());
    drag(b.candy(0), b.child(0), b.child(0)->rect().center(), [=] {
        QTest::touchEvent(window, device).move(0, child0, window).press(1, candy5, window);
        QTest::touchEvent(window, device).move(0, child0, window).move(1, child1, window);
        QTest::touchEvent(window, device).move(0, child0, window).release(1, child1, window);
    });
    QTRY_VERIFY_WITH_TIMEOUT(b.candy(0)->isHidden(), Patience);
    TestEnvironment::settle();
    QCOMPARE(b.held(0), 1);
    QCOMPARE(b.held(1), 0);
    QVERIFY(!b.candy(5)->isHidden());
    QCOMPARE(b.candiesOnTable(), 5);
    QCOMPARE(b.board->wrongCount().value(), 0);

    // And the board goes on taking drops as before.
    drag(b.candy(5), b.child(1), b.child(1)->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(b.held(1), 1, Patience);
    QCOMPARE(b.candiesOnTable(), 4);
    m_touchScreen.reset();
}

QTEST_MAIN(TestCandyDrag)
#include "tst_candydrag.moc"
