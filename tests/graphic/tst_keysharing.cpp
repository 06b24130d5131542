// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "answerpanel.h"
#include "boarddriver.h"
#include "picturebutton.h"
#include "svgpicture.h"

#include <QApplication>
#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

const QString Attento = QStringLiteral("\\voci\\attento1.wav");

// Everything a child sees and hears of the sharing.
struct Seen
{
    QList<int> counts;
    QList<int> discs;
    QList<int> candies;
    QString wrongLabel;
    bool happy = false;
    bool sad = false;
    bool panelOpen = false;
    QStringList heard;

    bool operator==(const Seen &) const = default;
};

Seen seen(const BoardDriver &b, const TestEnvironment &env)
{
    Seen s;
    for (int n = 0; n < 5; ++n)
        s.counts << b.held(n);
    for (int i = 0; i < 45; ++i) {
        if (!b.disc(i)->isHidden())
            s.discs << i;
    }
    for (int i = 0; i < CandyBoard::Candies; ++i) {
        if (!b.candy(i)->isHidden())
            s.candies << i;
    }
    s.wrongLabel = b.board->etichettaErrati()->text();
    s.happy = !b.board->comandoIconaSi()->isHidden();
    s.sad = !b.board->comandoIconaNo()->isHidden();
    s.panelOpen = !b.control(QStringLiteral("Frame2"))->isHidden();
    s.heard = env.sound.relativePaths();
    return s;
}

// Presses and releases a digit key wherever the focus is on the board, then
// lets the events run.
void press(const BoardDriver &b, QChar digit, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = b.board->focusWidget();
    QTest::keyClick(focus && focus->isVisible() ? focus : b.board,
                    Qt::Key(Qt::Key_0 + digit.digitValue()), modifiers);
    QCoreApplication::processEvents();
}

void openActive(BoardDriver &b, ScreenId id, const QList<int> &problem, int introduced = 3)
{
    b.open(id, problem[0], problem[1], problem[2]);
    b.board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b.board, Patience));
    b.introduce(introduced);
}

} // namespace

// The digit keys 1 to 5 give the last candy on the table to child 1 to 5, as
// dropping it on that child would.
class TestKeySharing : public QObject
{
    Q_OBJECT

private slots:
    void keysShareAsDropsWould_data();
    void keysShareAsDropsWould();
    void keysReachTheBoardWhateverHasTheFocus();
    void keysGoToTheAnswerBoxesOnceThePanelIsOpen_data();
    void keysGoToTheAnswerBoxesOnceThePanelIsOpen();
    void keysDuringAPromptWait_data();
    void keysDuringAPromptWait();
};

void TestKeySharing::keysShareAsDropsWould_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem"); // divisore, quoziente, resto
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QList<int>>("counts"); // the candies each child holds
    QTest::addColumn<int>("refused");
    QTest::addColumn<bool>("complete");
    QTest::newRow("Form6, in turn") << ScreenId::Form6 << QList<int> {3, 2, 0} << "123123" << false
                                    << QList<int> {2, 2, 2, 0, 0} << 0 << true;
    QTest::newRow("Form6, keypad") << ScreenId::Form6 << QList<int> {3, 2, 0} << "321321" << true
                                   << QList<int> {2, 2, 2, 0, 0} << 0 << true;
    QTest::newRow("Form6, over-full and children not in view")
        << ScreenId::Form6 << QList<int> {2, 3, 0} << "111153222" << false
        << QList<int> {3, 3, 0, 0, 0} << 1 << true;
    QTest::newRow("Form6, not yet shared") << ScreenId::Form6 << QList<int> {4, 2, 0} << "1425"
                                           << false << QList<int> {1, 1, 0, 1, 0} << 0 << false;
    QTest::newRow("Form8, remainder left, refused twice")
        << ScreenId::Form8 << QList<int> {2, 2, 1} << "111122" << false
        << QList<int> {2, 2, 0, 0, 0} << 2 << true;
    QTest::newRow("Form8, keypad") << ScreenId::Form8 << QList<int> {5, 1, 4} << "543112" << true
                                   << QList<int> {1, 1, 1, 1, 1} << 1 << true;
    QTest::newRow("Form7, one child at a time")
        << ScreenId::Form7 << QList<int> {2, 2, 0} << "2111222" << false
        << QList<int> {2, 2, 0, 0, 0} << 0 << true;
    QTest::newRow("Form7, first child served") << ScreenId::Form7 << QList<int> {3, 3, 0} << "1113"
                                               << false << QList<int> {3, 0, 0, 0, 0} << 0 << false;
    QTest::newRow("Form9, remainder left") << ScreenId::Form9 << QList<int> {3, 2, 2} << "1112222"
                                           << false << QList<int> {3, 3, 0, 0, 0} << 0 << true;
    QTest::newRow("Form9, keypad") << ScreenId::Form9 << QList<int> {1, 5, 0} << "12345" << true
                                   << QList<int> {1, 1, 1, 1, 1} << 0 << true;
}

void TestKeySharing::keysShareAsDropsWould()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    QFETCH(QString, keys);
    QFETCH(bool, keypad);
    QFETCH(QList<int>, counts);
    QFETCH(int, refused);
    QFETCH(bool, complete);
    const int dividendo = problem[0] * problem[1] + problem[2];
    Seen byKeys;
    for (bool byDrops : {false, true}) {
        TestEnvironment env;
        BoardDriver b {env};
        openActive(b, screen, problem);
        env.sound.clear();
        for (QChar key : keys) {
            if (byDrops) { // the last candy on the table, while there is one
                if (b.candiesOnTable() > 0)
                    dropCandy(b.board, key.digitValue() - 1, b.candiesOnTable() - 1);
            } else
                press(b, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        if (byDrops) {
            QCOMPARE(seen(b, env), byKeys);
            break;
        }
        byKeys = seen(b, env);
        QCOMPARE(byKeys.counts, counts);
        QCOMPARE(b.board->wrongCount().value(), refused);
        QCOMPARE(env.sound.relativePaths(), QStringList(refused, Attento));
        QCOMPARE(byKeys.panelOpen, complete);
        // The candies went from the end of the table: those left are the first.
        QCOMPARE(byKeys.candies.size(), dividendo - byKeys.discs.size());
        for (int k = 0; k < byKeys.candies.size(); ++k)
            QCOMPARE(byKeys.candies[k], k);
    }
}

void TestKeySharing::keysReachTheBoardWhateverHasTheFocus()
{
    TestEnvironment env;
    BoardDriver b {env};
    openActive(b, ScreenId::Form7, {1, 2, 0});
    QTest::keyClick(b.child(0), Qt::Key_1);
    QCOMPARE(b.held(0), 1);
    QTest::keyClick(b.control(QStringLiteral("Label5")), Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(b.held(1), 1);
    QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text1")), Qt::Key_2);
    QCOMPARE(b.control<AnswerBox>(QStringLiteral("Text1"))->text(), QStringLiteral("2"));
    QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text1")), Qt::Key_Return);
    // Once the solution is read.
    QTRY_VERIFY_WITH_TIMEOUT(b.board->bottoneAvanti()->isEnabled(), Patience);

    // "avanti" had the focus; it goes with the panel, and the keys still share.
    b.scriptProblem(2, 1, 0);
    b.board->bottoneAvanti()->setFocus();
    QTest::keyClick(b.board->bottoneAvanti(), Qt::Key_Space);
    QVERIFY(b.control(QStringLiteral("Frame2"))->isHidden());
    b.introduce();
    // Plain key presses, as a screen reader hears them; held, the key's
    // repeats give nothing.
    for (int i = 0; i < 4; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, {}, QStringLiteral("1"), i > 0);
        QApplication::sendEvent(b.board, &press);
    }
    QTest::keyRelease(b.board, Qt::Key_1);
    QCOMPARE(b.held(0), 1);
    QTest::keyClick(b.board, Qt::Key_1);
    QCOMPARE(b.held(0), 2);
    QVERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
}

void TestKeySharing::keysGoToTheAnswerBoxesOnceThePanelIsOpen_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::newRow("Form6") << ScreenId::Form6 << QList<int> {2, 2, 0};
    QTest::newRow("Form7") << ScreenId::Form7 << QList<int> {2, 2, 0};
    QTest::newRow("Form8") << ScreenId::Form8 << QList<int> {3, 2, 2};
    QTest::newRow("Form9") << ScreenId::Form9 << QList<int> {3, 2, 2};
}

void TestKeySharing::keysGoToTheAnswerBoxesOnceThePanelIsOpen()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    TestEnvironment env;
    BoardDriver b {env};
    openActive(b, screen, problem);
    const bool partition = screen == ScreenId::Form6 || screen == ScreenId::Form8;
    for (int i = 0; i < problem[0] * problem[1]; ++i)
        press(b, QChar(u'1' + (partition ? i % problem[0] : i / problem[0])));
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    QVERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
    QCOMPARE(b.board->focusWidget(), text1);
    env.sound.clear();
    const Seen before = seen(b, env);

    press(b, u'2'); // typed into the quotient box
    QCOMPARE(text1->text(), QStringLiteral("2"));
    QTest::keyClick(b.board, Qt::Key_1); // the board itself: still no sharing
    QTest::keyClick(b.board, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(seen(b, env), before);
    QCOMPARE(text1->text(), QStringLiteral("2"));
    QTest::keyClick(text1, Qt::Key_Return);
    if (AnswerBox *text2 = b.control<AnswerBox>(QStringLiteral("Text2"))) {
        QCOMPARE(b.board->focusWidget(), text2);
        press(b, u'2');
        QCOMPARE(text2->text(), QStringLiteral("2"));
        QTest::keyClick(text2, Qt::Key_Return);
    }
    QTRY_VERIFY_WITH_TIMEOUT(b.board->bottoneAvanti()->isEnabled(), Patience);
}

void TestKeySharing::keysDuringAPromptWait_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::addColumn<bool>("refusal"); // the prompt of a refusal, or of step 2
    QTest::addColumn<QString>("inPrompt"); // keys pressed while it plays
    QTest::addColumn<QList<int>>("after"); // candies of children 1 and 2 then
    QTest::addColumn<int>("wrongs");
    QTest::newRow("Form6, refusal")
        << ScreenId::Form6 << QList<int> {2, 1, 0} << true << "12" << QList<int> {1, 1} << 2;
    QTest::newRow("Form8, refusal")
        << ScreenId::Form8 << QList<int> {2, 1, 1} << true << "12" << QList<int> {1, 1} << 2;
    QTest::newRow("Form6, step 2")
        << ScreenId::Form6 << QList<int> {2, 1, 0} << false << "12" << QList<int> {1, 1} << 0;
    QTest::newRow("Form9, step 2")
        << ScreenId::Form9 << QList<int> {2, 1, 1} << false << "121" << QList<int> {2, 0} << 0;
}

void TestKeySharing::keysDuringAPromptWait()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    QFETCH(bool, refusal);
    QFETCH(QString, inPrompt);
    QFETCH(QList<int>, after);
    QFETCH(int, wrongs);
    TestEnvironment env;
    BoardDriver b {env};
    openActive(b, screen, problem, refusal ? 2 : 1);
    if (refusal)
        press(b, u'1');
    env.sound.clear();
    env.sound.holdSentences(true);
    if (refusal)
        press(b, u'1'); // refused: "attento"
    else
        b.tick(2000); // step 2 shows the children, then speaks
    const bool partition = screen != ScreenId::Form9;
    QCOMPARE(env.sound.relativePaths().first(),
             refusal         ? Attento
                 : partition ? QStringLiteral("\\voci\\cisono.wav")
                             : QStringLiteral("\\voci\\ogni.wav"));
    for (QChar key : inPrompt) // held until the prompt has ended
        press(b, key);
    QCOMPARE(b.held(0), refusal ? 1 : 0);
    QCOMPARE(b.held(1), 0);
    env.sound.holdSentences(false);
    env.sound.finishSentence();
    // The sharing is complete.
    QTRY_VERIFY_WITH_TIMEOUT(!b.control(QStringLiteral("Frame2"))->isHidden(), Patience);
    QCOMPARE(b.held(0), after[0]);
    QCOMPARE(b.held(1), after[1]);
    QCOMPARE(b.board->wrongCount().value(), wrongs);
    QCOMPARE(env.sound.relativePaths().count(Attento), wrongs);
}

QTEST_MAIN(TestKeySharing)
#include "tst_keysharing.moc"
