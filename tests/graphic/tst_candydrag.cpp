// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boarddriver.h"
#include "form7.h"

#include <QTest>

using namespace Quozzoli;

// Real mouse drags on a real X server: the candy is pressed, and a timer
// started beforehand moves the pointer and lets go inside the drag.
class TestCandyDrag : public QObject
{
    Q_OBJECT

private slots:
    void dragsOntoTheChildren();
    void dragsOutsideAChildDoNothing();

private:
    static void dragCandy(QWidget *candy, QWidget *target, QPoint at);
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
    QTRY_COMPARE(b.board->sharing().count(0), 2);
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
    QCOMPARE(b.board->sharing().count(0), 0);
    QCOMPARE(b.board->sharing().count(1), 0);

    dragCandy(b.candy(0), b.child(0), b.child(0)->rect().center());
    QTRY_COMPARE(b.board->sharing().count(0), 1);
}

QTEST_MAIN(TestCandyDrag)
#include "tst_candydrag.moc"
