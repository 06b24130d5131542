// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child's part on a candy board: sharing the candies among the children
// and answering in the panel that opens.
#include "answerbox.h"
#include "answerpanel.h"
#include "boarddriver.h"
#include "candydrag.h"
#include "form6.h"
#include "picturebutton.h"
#include "sharedvalues.h"
#include "svgpicture.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace Quozzoli;
using namespace BoardSounds;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

class TestBoardPlay : public QObject
{
    Q_OBJECT

private slots:
    void partitionSharing_data();
    void partitionSharing();
    void refusedDrop();
    void quotitionSharing_data();
    void quotitionSharing();
    void answer_data();
    void answer();
    void remainderAnswer_data();
    void remainderAnswer();
    void onlyOwnCandiesAreTaken();
};

void TestBoardPlay::partitionSharing_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::addColumn<QList<int>>("drops");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("division");
    QTest::newRow("children in turn") << ScreenId::Form6 << QList<int> {3, 2, 0}
                                      << QList<int> {0, 0, 1, 1, 2, 2} << 0 << " 6 : 3 = ";
    QTest::newRow("last child first, over-filled")
        << ScreenId::Form6 << QList<int> {3, 2, 0} << QList<int> {2, 2, 2, 1, 1, 1, 0, 2, 0} << 3
        << " 6 : 3 = ";
    QTest::newRow("one child") << ScreenId::Form6 << QList<int> {1, 9, 0} << QList<int>(9, 0) << 0
                               << " 9 : 1 = ";
    QTest::newRow("remainder stays on the table")
        << ScreenId::Form8 << QList<int> {4, 3, 3}
        << QList<int> {3, 3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0} << 0 << " 15 : 4 = ";
    QTest::newRow("nothing left over")
        << ScreenId::Form8 << QList<int> {2, 5, 0} << QList<int> {1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0}
        << 1 << " 10 : 2 = ";
}

void TestBoardPlay::partitionSharing()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    QFETCH(QList<int>, drops);
    QFETCH(int, refused);
    QFETCH(QString, division);
    TestEnvironment env;
    BoardDriver b {env};
    b.open(screen, problem[0], problem[1], problem[2]);
    b.introduce();
    auto *panel = b.control<AnswerPanel>(QStringLiteral("Frame2"));
    for (int child : drops) {
        QVERIFY(panel->isHidden()); // opens only on the very last drop
        b.drop(child);
    }
    QVERIFY(!panel->isHidden());
    QCOMPARE(b.board->wrongCount().value(), refused);
    QCOMPARE(b.candiesOnTable(), problem[2]);
    for (int n = 0; n < problem[0]; ++n) {
        for (int k = 0; k < 9; ++k)
            QCOMPARE(!b.disc(9 * n + k)->isHidden(), k < problem[1]);
    }
    QCOMPARE(panel->label7()->text(), division);
    QCOMPARE(panel->text1()->text(), QString());
    QVERIFY(panel->text1()->isEnabled());
    QCOMPARE(b.board->focusWidget(), panel->text1());
    if (AnswerBox *text2 = panel->text2()) {
        QCOMPARE(text2->text(), QString());
        QVERIFY(!text2->isEnabled());
    }
}

void TestBoardPlay::refusedDrop()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form8, 2, 2, 1);
    b.introduce(2);
    b.drop(0);
    b.drop(0);
    env.sound.clear();
    dropCandy(b.board, 0, 2);
    QVERIFY(!b.candy(2)->isHidden()); // the candy stays on the table
    QVERIFY(b.disc(2)->isHidden());
    QVERIFY(!b.board->comandoIconaNo()->isHidden());
    QVERIFY(b.board->comandoIconaSi()->isHidden());
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(shared().numeroErrati.value(), 1);
    QCOMPARE(env.sound.sentencePaths(), QStringList {Attento});
    QCOMPARE(env.sound.relativePaths().size(), 1);
    dropCandy(b.board, 0, 2);
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 2"));
    b.drop(1);
    b.drop(1);
    QVERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
    QCOMPARE(b.candiesOnTable(), 1);
}

void TestBoardPlay::quotitionSharing_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::newRow("Form7, 2 each, 3 children") << ScreenId::Form7 << QList<int> {2, 3, 0};
    QTest::newRow("Form7, one child") << ScreenId::Form7 << QList<int> {4, 1, 0};
    QTest::newRow("Form9, 3 each, 2 left") << ScreenId::Form9 << QList<int> {3, 2, 2};
    QTest::newRow("Form9, 1 each, 5 children") << ScreenId::Form9 << QList<int> {1, 5, 0};
}

void TestBoardPlay::quotitionSharing()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    const int each = problem[0];
    const int children = problem[1];
    TestEnvironment env;
    BoardDriver b {env};
    b.open(screen, each, children, problem[2]);
    b.introduce();
    QWidget *panel = b.control(QStringLiteral("Frame2"));
    for (int n = 0; n < children; ++n) {
        QVERIFY(!b.child(n)->isHidden() && b.child(n)->isEnabled());
        QVERIFY(!b.tray(n)->isHidden());
        if (n + 1 < 5) {
            QVERIFY(b.child(n + 1)->isHidden());
            b.drop(n + 1); // not in view yet
            QCOMPARE(b.held(n + 1), 0);
        }
        for (int k = 0; k < each; ++k) {
            QVERIFY(panel->isHidden());
            b.drop(n);
        }
        QCOMPARE(b.held(n), each);
        if (n + 1 < children) {
            QVERIFY(!b.child(n)->isEnabled());
            b.drop(n); // served: takes no more
            QCOMPARE(b.held(n), each);
        }
    }
    QVERIFY(!panel->isHidden());
    QCOMPARE(b.candiesOnTable(), problem[2]);
    QVERIFY(b.child(children - 1)->isEnabled());

    // The next problem: every child takes drops again.
    ScreenDriver::answer(b.control<AnswerBox>(QStringLiteral("Text1")), QString::number(children));
    if (auto *text2 = b.control<AnswerBox>(QStringLiteral("Text2")))
        ScreenDriver::answer(text2, QString::number(problem[2]));
    b.scriptProblem(2, 2, 1);
    QTRY_VERIFY_WITH_TIMEOUT(b.board->bottoneAvanti()->isEnabled(), Patience);
    b.board->bottoneAvanti()->click();
    for (int n = 0; n < 5; ++n)
        QVERIFY(b.child(n)->isEnabled() && b.child(n)->isHidden());
    b.introduce();
    for (int k = 0; k < 18; ++k)
        QVERIFY(b.disc(k)->isHidden()); // the trays of the children to serve start empty
    b.drop(0);
    b.drop(0);
    QVERIFY(!b.child(1)->isHidden());
    b.drop(1);
    QCOMPARE(b.held(1), 1);
}

void TestBoardPlay::answer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("4") << "4" << true;
    QTest::newRow("blank, 4") << " 4" << true;
    QTest::newRow("4.0") << "4.0" << true;
    QTest::newRow("4abc") << "4abc" << true;
    QTest::newRow("4,5") << "4,5" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("1 2") << "1 2" << false;
    QTest::newRow("a4") << "a4" << false;
    QTest::newRow("4.5") << "4.5" << false;
}

void TestBoardPlay::answer()
{
    QFETCH(QString, typed);
    QFETCH(bool, right);
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 4);
    b.introduce();
    for (int i = 0; i < 8; ++i)
        b.drop(i % 2);
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    PictureButton *avanti = b.board->bottoneAvanti();
    env.sound.clear();
    env.sound.holdSentences(true);
    ScreenDriver::answer(text1, typed);

    QCOMPARE(b.board->comandoIconaSi()->isHidden(), !right);
    QCOMPARE(b.board->comandoIconaNo()->isHidden(), right);
    QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral("0")); // not refreshed yet
    QCOMPARE(b.board->rightCount().value(), right ? 1 : 0);
    if (right) {
        QCOMPARE(env.sound.sentencePaths(), solution(8, 2, 4));
        QCOMPARE(env.sound.relativePaths().size(), 5); // no "right" effect on this board
        QVERIFY(!avanti->isEnabled()); // not while the solution is read back
        env.sound.finishSentence();
        QVERIFY(!text1->isEnabled());
        QVERIFY(avanti->isEnabled());

        avanti->click();
        QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral(" 1"));
        QVERIFY(b.control(QStringLiteral("Frame2"))->isHidden());
        QVERIFY(!avanti->isEnabled());
        QCOMPARE(b.step(), 0);
        QCOMPARE(b.candiesOnTable(), 0);
        QVERIFY(!b.board->comandoIconaSi()->isHidden()); // the last verdict stays
    } else {
        QCOMPARE(env.sound.relativePaths(), QStringList {QStringLiteral("\\suoni\\no.wav")});
        QVERIFY(env.sound.sentencePaths().isEmpty());
        QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 1"));
        QCOMPARE(text1->text(), typed);
        QVERIFY(text1->isEnabled());
        QCOMPARE(b.board->focusWidget(), text1);
        QVERIFY(!avanti->isEnabled());
        QTest::keyClick(text1, Qt::Key_Return); // judged again
        QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 2"));
    }
}

void TestBoardPlay::remainderAnswer_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("right");
    QTest::newRow("Form8, empty box is 0") << ScreenId::Form8 << QList<int> {3, 2, 0} << "1"
                                           << "";
    QTest::newRow("Form9, 3 left") << ScreenId::Form9 << QList<int> {4, 2, 3} << ""
                                   << "3";
    QTest::newRow("Form9, 0 left") << ScreenId::Form9 << QList<int> {5, 3, 0} << "5"
                                   << "0";
}

void TestBoardPlay::remainderAnswer()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    QFETCH(QString, wrong);
    QFETCH(QString, right);
    const int dividendo = problem[0] * problem[1] + problem[2];
    const bool partition = screen == ScreenId::Form8;
    const int quoziente = problem[1];
    TestEnvironment env;
    BoardDriver b {env};
    b.open(screen, problem[0], problem[1], problem[2]);
    b.introduce();
    for (int i = 0; i < problem[0] * problem[1]; ++i)
        b.drop(partition ? i % problem[0] : i / problem[0]);
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    auto *text2 = b.control<AnswerBox>(QStringLiteral("Text2"));
    QCOMPARE(b.control<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("resto di"));
    env.sound.clear();

    ScreenDriver::answer(text1, QString::number(quoziente));
    QVERIFY(!text1->isEnabled());
    QVERIFY(text2->isEnabled());
    QCOMPARE(b.board->focusWidget(), text2);
    QVERIFY(env.sound.relativePaths().isEmpty());
    QCOMPARE(b.board->rightCount().value() + b.board->wrongCount().value(), 0);
    QVERIFY(!b.board->comandoIconaSi()->isHidden() && !b.board->comandoIconaNo()->isHidden());

    ScreenDriver::answer(text2, wrong);
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(text2->text(), wrong);
    QCOMPARE(b.board->focusWidget(), text2);
    QCOMPARE(text1->text(), QString::number(quoziente));
    QVERIFY(!text1->isEnabled());

    text2->clear();
    QTest::keyClicks(text2, right);
    env.sound.clear();
    QTest::keyClick(text2, Qt::Key_Return);
    QCOMPARE(env.sound.relativePaths(), solution(dividendo, problem[0], quoziente, problem[2]));
    QVERIFY(!b.board->comandoIconaSi()->isHidden());
    QCOMPARE(b.board->rightCount().value(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!text2->isEnabled(), Patience);
    QVERIFY(b.board->bottoneAvanti()->isEnabled());
}

void TestBoardPlay::onlyOwnCandiesAreTaken()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 2);
    b.introduce();
    Form6 other;
    auto *text = new QMimeData;
    text->setText(QStringLiteral("caramella"));
    QVERIFY(!dropOn(b.child(0), text));
    auto *file = new QMimeData;
    file->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/caramella.svg"))});
    QVERIFY(!dropOn(b.child(0), file));
    QVERIFY(!dropOn(b.child(0), candy(&other, 0)->dragData()));
    auto *forged = new QMimeData;
    forged->setData(CandyDrag::mimeType(), "0 1 x");
    QVERIFY(!dropOn(b.child(0), forged));
    dropOn(b.child(2), b.candy(0)->dragData()); // not in play: no candy
    QCOMPARE(b.candiesOnTable(), 4);

    QVERIFY(dropOn(b.child(1), b.candy(3)->dragData()));
    QVERIFY(b.candy(3)->isHidden());
    QVERIFY(!b.disc(9)->isHidden());
    QCOMPARE(b.candiesOnTable(), 3);
}

QTEST_MAIN(TestBoardPlay)
#include "tst_boardplay.moc"
