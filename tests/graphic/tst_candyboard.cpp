// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "boarddriver.h"
#include "picturebutton.h"
#include "qtsoundplayer.h"
#include "services.h"
#include "sharedvalues.h"
#include "svgpicture.h"
#include "wavewriter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Quozzoli;
using namespace BoardSounds;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

class TestCandyBoard : public QObject
{
    Q_OBJECT

private slots:
    void introduction_data();
    void introduction();
    void waitBeginsWhenThePromptEnds();
    void promptDefersTicksAndInput();
    void closingDuringAPrompt_data();
    void closingDuringAPrompt();
    void closingMidSentenceWithoutOutput();
    void aboutBoxDoesNotRestartTheProblem();
};

void TestCandyBoard::introduction_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem"); // divisore, quoziente, resto
    QTest::addColumn<QStringList>("step2");
    QTest::addColumn<QString>("label4");
    QTest::addColumn<int>("childrenInView");
    QTest::addColumn<QString>("step3");
    QTest::addColumn<QString>("label5");
    QTest::addColumn<int>("interval");
    const QString bambini = QStringLiteral("\\voci\\bambini.wav");
    const QString ogni = QStringLiteral("\\voci\\ogni.wav");
    const QString scopri1 = QStringLiteral("\\voci\\scopri1.wav");
    const QString scopri2 = QStringLiteral("\\voci\\scopri2.wav");
    const QString quante = QStringLiteral("Scopri quante caramelle avrà ogni bambino");
    const QString quanti = QStringLiteral("Scopri quanti bambini si possono accontentare");
    QTest::newRow("Form6, one child")
        << ScreenId::Form6 << QList<int> {1, 7, 0}
        << QStringList {QStringLiteral("\\voci\\solouno.wav")}
        << QStringLiteral("c'è un solo bambino") << 1 << scopri1 << quante << 100;
    QTest::newRow("Form6, 4 children")
        << ScreenId::Form6 << QList<int> {4, 3, 0} << QStringList {CiSono, number(4), bambini}
        << QStringLiteral("ci sono 4 bambini") << 4 << scopri1 << quante << 100;
    QTest::newRow("Form7, one candy each")
        << ScreenId::Form7 << QList<int> {1, 3, 0} << QStringList {ogni, number(1), Caramelle}
        << QStringLiteral("ogni bambino deve avere 1 caramelle") << 1 << scopri2 << quanti << 100;
    QTest::newRow("Form8, 3 children")
        << ScreenId::Form8 << QList<int> {3, 4, 2} << QStringList {CiSono, number(3), bambini}
        << QStringLiteral("ci sono 3 bambini") << 3 << scopri1 << quante << 100;
    QTest::newRow("Form9, 7 each")
        << ScreenId::Form9 << QList<int> {7, 2, 3} << QStringList {ogni, number(7), Caramelle}
        << QStringLiteral("ogni bambino deve avere 7 caramelle") << 1 << scopri2 << quanti << 1000;
}

void TestCandyBoard::introduction()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<int>, problem);
    QFETCH(QStringList, step2);
    QFETCH(QString, label4);
    QFETCH(int, childrenInView);
    QFETCH(QString, step3);
    QFETCH(QString, label5);
    QFETCH(int, interval);
    TestEnvironment env;
    BoardDriver b {env};
    b.open(screen, problem[0], problem[1], problem[2]);
    const int candies = problem[0] * problem[1] + problem[2];

    QCOMPARE(b.timer()->interval(), interval);
    QVERIFY(b.timer()->isActive());
    QCOMPARE(b.candiesOnTable(), 0);
    for (const char *name : {"Label3", "Label4", "Label5", "Frame2", "ImBambino_0", "Frame1_0"})
        QVERIFY2(b.control(QLatin1String(name))->isHidden(), name);
    QVERIFY(!b.board->bottoneAvanti()->isEnabled());
    QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral("0"));

    b.tick(1499); // the whole-second reading is one above the start
    QCOMPARE(b.step(), 0);
    b.tick(1);
    QCOMPARE(b.step(), 1);
    QCOMPARE(env.sound.sentencePaths(), (QStringList {CiSono, number(candies), Caramelle}));
    QCOMPARE(b.candiesOnTable(), candies);
    QVERIFY(!b.candy(candies - 1)->isHidden());
    QCOMPARE(b.text(QStringLiteral("Label3")), QStringLiteral("ci sono %1 caramelle").arg(candies));
    QVERIFY(!b.control(QStringLiteral("Label3"))->isHidden());
    QVERIFY(b.child(0)->isHidden());

    env.sound.clear();
    b.tick(1999);
    QCOMPARE(b.step(), 1);
    b.tick(1);
    QCOMPARE(env.sound.relativePaths(), step2);
    QCOMPARE(b.text(QStringLiteral("Label4")), label4);
    QVERIFY(!b.control(QStringLiteral("Label4"))->isHidden());
    for (int n = 0; n < 5; ++n) {
        QCOMPARE(!b.child(n)->isHidden(), n < childrenInView);
        QCOMPARE(!b.tray(n)->isHidden(), n < childrenInView);
        QVERIFY(b.child(n)->isEnabled());
    }
    QVERIFY(b.control(QStringLiteral("Label5"))->isHidden());

    env.sound.clear();
    b.tick(2000);
    QCOMPARE(env.sound.relativePaths(), QStringList {step3});
    QCOMPARE(b.text(QStringLiteral("Label5")), label5);
    QVERIFY(!b.control(QStringLiteral("Label5"))->isHidden());
    QVERIFY(!b.timer()->isActive()); // the introduction is over
}

void TestCandyBoard::waitBeginsWhenThePromptEnds()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 3);
    env.sound.holdSentences(true);
    b.tick(1500);
    QCOMPARE(b.step(), 0); // its line shows once it has been said
    QVERIFY(env.sound.speaking());
    QVERIFY(!b.timer()->isActive());
    env.clock.advance(2100); // the prompt takes its time
    env.sound.holdSentences(false);
    env.sound.finishSentence();
    b.tick(1899); // two whole seconds after the end of the prompt, not of its start
    QCOMPARE(b.step(), 1);
    b.tick(1);
    QCOMPARE(b.step(), 2);
}

void TestCandyBoard::promptDefersTicksAndInput()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 1);
    b.introduce(2); // the children are in view; the third step is due
    b.drop(0);
    env.sound.clear();
    env.sound.holdSentences(true);
    b.drop(0); // refused: "attento"
    QCOMPARE(env.sound.relativePaths(), QStringList {Attento});
    b.tick(5000);
    QCOMPARE(b.step(), 2);
    b.drop(1); // held until the prompt has ended
    QCOMPARE(b.held(1), 0);
    QVERIFY(b.control(QStringLiteral("Frame2"))->isHidden());
    env.sound.finishSentence();
    QTRY_VERIFY_WITH_TIMEOUT(!b.control(QStringLiteral("Frame2"))->isHidden(), Patience);
    QCOMPARE(b.held(1), 1);

    // The deferred step begins, over the open panel; what is typed in the
    // answer box meanwhile reaches it after the prompt, Enter in its place.
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    b.tick(100);
    QCOMPARE(b.step(), 2); // its line shows once it has been said
    QCOMPARE(env.sound.relativePaths().last(), QStringLiteral("\\voci\\scopri1.wav"));
    ScreenDriver::answer(text1, QStringLiteral("1"));
    QTest::keyClicks(text1, QStringLiteral("5"));
    QCOMPARE(text1->text(), QString());
    env.sound.holdSentences(false);
    env.sound.finishSentence();
    QTRY_COMPARE_WITH_TIMEOUT(b.board->rightCount().value(), 1, Patience);
    QCOMPARE(b.step(), 3);
    QCOMPARE(b.board->wrongCount().value(), 1); // the refused drop only
    QCOMPARE(text1->text(), QStringLiteral("1"));
}

void TestCandyBoard::closingDuringAPrompt_data()
{
    QTest::addColumn<int>("stage"); // 0: introduction, 1: refused drop, 2: solution
    QTest::addColumn<bool>("destroyed"); // destroyed inside the prompt, or later
    QTest::newRow("introduction, destroyed at once") << 0 << true;
    QTest::newRow("introduction") << 0 << false;
    QTest::newRow("refused drop, destroyed at once") << 1 << true;
    QTest::newRow("solution") << 2 << false;
}

void TestCandyBoard::closingDuringAPrompt()
{
    QFETCH(int, stage);
    QFETCH(bool, destroyed);
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form8, 2, 2, 1);
    QPointer<CandyBoard> board = b.board;
    if (stage > 0) {
        b.introduce(2);
        b.drop(0);
        b.drop(0);
    }
    if (stage > 1) {
        b.drop(1);
        b.drop(1);
        ScreenDriver::answer(b.control<AnswerBox>(QStringLiteral("Text1")), QStringLiteral("2"));
        QTest::keyClicks(b.control<AnswerBox>(QStringLiteral("Text2")), QStringLiteral("1"));
    }
    env.sound.holdSentences(true);
    if (stage == 0)
        b.tick(2000);
    else if (stage == 1)
        dropCandy(board, 0, 2);
    else
        QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text2")), Qt::Key_Return);
    QVERIFY(env.sound.speaking());
    const qsizetype said = env.sound.played().size();
    board->close();
    if (destroyed)
        TestEnvironment::settle();
    QVERIFY(!env.sound.speaking()); // cut short, and nothing said after it
    QCOMPARE(env.sound.played().size(), said);
    if (board) {
        QVERIFY(!board->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(!board->bottoneAvanti()->isEnabled());
        QVERIFY(stage > 0 || b.control(QStringLiteral("Label3"))->isHidden());
    }
    TestEnvironment::settle();
    QVERIFY(board.isNull());
    QVERIFY(TestEnvironment::current() == nullptr);
}

void TestCandyBoard::closingMidSentenceWithoutOutput()
{
    // The program's own player with no sound output: a sentence lasts its
    // files' own length, which leaving the board must not wait for.
    QTemporaryDir dir;
    for (const char *file : {"cisono", "6", "caramelle"}) {
        QVERIFY(WaveWriter::write(dir.filePath(QStringLiteral("voci/%1.wav").arg(file)),
                                  WaveWriter::wave(WaveWriter::tone(1000, 440.0))));
    }
    TestEnvironment env;
    Services::setProgramDir(dir.path());
    auto *player = new QtSoundPlayer;
    Services::setSound(std::unique_ptr<SoundPlayer>(player));
    QSignalSpy spoken(player, &SoundPlayer::spoken);
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 3);
    b.tick(1500); // step 1 begins to speak
    QVERIFY(b.board->speaking());

    env.boxes.answer(true);
    b.board->menuAction(QStringLiteral("mnuEsci"))->trigger();
    QCOMPARE(spoken.size(), 1); // cut short at once
    Screen *menu = TestEnvironment::current();
    QCOMPARE(menu->objectName(), QStringLiteral("FormMenu"));
    QTest::mouseClick(menu->findChild<QAbstractButton *>(QStringLiteral("Command8")),
                      Qt::LeftButton);
    QCOMPARE(TestEnvironment::current()->objectName(), QStringLiteral("Form7"));
}

void TestCandyBoard::aboutBoxDoesNotRestartTheProblem()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form7, 3, 2);
    b.introduce(2);
    b.drop(0);
    b.board->menuAction(QStringLiteral("MenuInformazioni"))->trigger();
    QCOMPARE(env.boxes.notices().size(), 1);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(b.board, &activate);
    QCOMPARE(b.step(), 2);
    QCOMPARE(b.held(0), 1);
    QCOMPARE(b.candiesOnTable(), 5);

    b.board->menuAction(QStringLiteral("MenuAzzera"))->trigger();
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral("0"));
    b.drop(0);
    QCOMPARE(b.held(0), 2);
}

QTEST_MAIN(TestCandyBoard)
#include "tst_candyboard.moc"
