// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "answerpanel.h"
#include "boarddriver.h"
#include "candydrag.h"
#include "form6.h"
#include "picturebutton.h"
#include "sharedvalues.h"
#include "svgpicture.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QUrl>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

using Mode = RecordingSoundPlayer::Mode;

namespace {

QString number(int n)
{
    return QStringLiteral("\\voci\\%1.wav").arg(n);
}

const QString CiSono = QStringLiteral("\\voci\\cisono.wav");
const QString Caramelle = QStringLiteral("\\voci\\caramelle.wav");
const QString Attento = QStringLiteral("\\voci\\attento1.wav");

QStringList solution(int dividendo, int divisore, int quoziente, int resto = -1)
{
    QStringList files {number(dividendo), QStringLiteral("\\voci\\diviso.wav"), number(divisore),
                       QStringLiteral("\\voci\\uguale.wav"), number(quoziente)};
    if (resto >= 0)
        files << QStringLiteral("\\voci\\resto.wav") << number(resto);
    return files;
}

} // namespace

class TestCandyBoard : public QObject
{
    Q_OBJECT

private slots:
    void introduction_data();
    void introduction();
    void waitBeginsWhenThePromptEnds();
    void promptDefersTicksAndInput();
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
    void closingDuringAPrompt_data();
    void closingDuringAPrompt();
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

    QCOMPARE(b.board->timer1()->interval(), interval);
    QVERIFY(b.board->timer1()->isActive());
    QCOMPARE(b.candiesOnTable(), 0);
    for (const char *name : {"Label3", "Label4", "Label5", "Frame2", "ImBambino_0", "Frame1_0"})
        QVERIFY2(b.control(QLatin1String(name))->isHidden(), name);
    QVERIFY(!b.board->bottoneAvanti()->isEnabled());
    QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral("0"));

    b.tick(1499); // the whole-second reading is one above the start
    QCOMPARE(b.board->passo(), 0);
    b.tick(1);
    QCOMPARE(b.board->passo(), 1);
    QCOMPARE(env.sound.relativePaths(Mode::Synchronous),
             (QStringList {CiSono, number(candies), Caramelle}));
    QCOMPARE(b.candiesOnTable(), candies);
    QVERIFY(!b.candy(candies - 1)->isHidden());
    QCOMPARE(b.text(QStringLiteral("Label3")), QStringLiteral("ci sono %1 caramelle").arg(candies));
    QVERIFY(!b.control(QStringLiteral("Label3"))->isHidden());
    QCOMPARE(int(shared().dividendo), candies);
    QVERIFY(b.child(0)->isHidden());

    env.sound.clear();
    b.tick(1999);
    QCOMPARE(b.board->passo(), 1);
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
    QVERIFY(!b.board->timer1()->isActive()); // the introduction is over
}

void TestCandyBoard::waitBeginsWhenThePromptEnds()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 3);
    bool timerStopped = true;
    env.sound.onPlay = [&](const RecordingSoundPlayer::Played &) {
        env.clock.advance(700); // each file takes its time
        timerStopped = timerStopped && !b.board->timer1()->isActive();
    };
    b.tick(1500);
    QCOMPARE(b.board->passo(), 1);
    QVERIFY(timerStopped);
    env.sound.onPlay = nullptr;
    b.tick(1899); // two whole seconds after the end of the prompt, not of its start
    QCOMPARE(b.board->passo(), 1);
    b.tick(1);
    QCOMPARE(b.board->passo(), 2);
}

void TestCandyBoard::promptDefersTicksAndInput()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 1);
    b.introduce(2); // the children are in view; the third step is due
    b.drop(0);
    env.sound.clear();
    int countInPrompt = -1;
    bool fired = false;
    env.sound.onPlay = [&](const RecordingSoundPlayer::Played &) {
        if (std::exchange(fired, true))
            return;
        b.tick(5000);
        QCOMPARE(b.board->passo(), 2);
        b.drop(1); // held until the prompt has ended
        countInPrompt = b.board->sharing().count(1);
    };
    b.drop(0); // refused: "attento"
    QCOMPARE(env.sound.relativePaths(), QStringList {Attento});
    QCOMPARE(countInPrompt, 0);
    QVERIFY(b.control(QStringLiteral("Frame2"))->isHidden());
    QTRY_VERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
    QCOMPARE(b.board->sharing().count(1), 1);

    b.tick(100); // the deferred step begins, over the open panel
    QCOMPARE(b.board->passo(), 3);
    QCOMPARE(env.sound.relativePaths().last(), QStringLiteral("\\voci\\scopri1.wav"));
    QVERIFY(!b.control(QStringLiteral("Label5"))->isHidden());
}

void TestCandyBoard::partitionSharing_data()
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

void TestCandyBoard::partitionSharing()
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
    b.drop(0); // the panel covers the children
    QCOMPARE(b.candiesOnTable(), problem[2]);
    QCOMPARE(b.board->wrongCount().value(), refused);
}

void TestCandyBoard::refusedDrop()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form8, 2, 2, 1);
    b.introduce(2);
    b.drop(0);
    b.drop(0);
    env.sound.clear();
    b.board->imBambinoDragDrop(0, 2);
    QVERIFY(!b.candy(2)->isHidden()); // the candy stays on the table
    QVERIFY(b.disc(2)->isHidden());
    QVERIFY(!b.board->comandoIconaNo()->isHidden());
    QVERIFY(b.board->comandoIconaSi()->isHidden());
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(shared().numeroErrati.value(), 1);
    QCOMPARE(env.sound.relativePaths(Mode::Synchronous), QStringList {Attento});
    QCOMPARE(env.sound.relativePaths().size(), 1);
    b.board->imBambinoDragDrop(0, 2);
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 2"));
    b.drop(1);
    b.drop(1);
    QVERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
    QCOMPARE(b.candiesOnTable(), 1);
}

void TestCandyBoard::quotitionSharing_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<int>>("problem");
    QTest::newRow("Form7, 2 each, 3 children") << ScreenId::Form7 << QList<int> {2, 3, 0};
    QTest::newRow("Form7, one child") << ScreenId::Form7 << QList<int> {4, 1, 0};
    QTest::newRow("Form9, 3 each, 2 left") << ScreenId::Form9 << QList<int> {3, 2, 2};
    QTest::newRow("Form9, 1 each, 5 children") << ScreenId::Form9 << QList<int> {1, 5, 0};
}

void TestCandyBoard::quotitionSharing()
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
            QCOMPARE(b.board->sharing().count(n + 1), 0);
        }
        for (int k = 0; k < each; ++k) {
            QVERIFY(panel->isHidden());
            b.drop(n);
        }
        QCOMPARE(b.board->sharing().count(n), each);
        if (n + 1 < children) {
            QVERIFY(!b.child(n)->isEnabled());
            b.drop(n); // served: takes no more
            QCOMPARE(b.board->sharing().count(n), each);
        }
    }
    QVERIFY(!panel->isHidden());
    QCOMPARE(b.candiesOnTable(), problem[2]);
    QVERIFY(b.child(children - 1)->isEnabled());

    // The next problem: every child takes drops again.
    QTest::keyClicks(b.control<AnswerBox>(QStringLiteral("Text1")), QString::number(children));
    QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text1")), Qt::Key_Return);
    if (auto *text2 = b.control<AnswerBox>(QStringLiteral("Text2"))) {
        QTest::keyClicks(text2, QString::number(problem[2]));
        QTest::keyClick(text2, Qt::Key_Return);
    }
    b.scriptProblem(2, 2, 1);
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
    QCOMPARE(b.board->sharing().count(1), 1);
}

void TestCandyBoard::answer_data()
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

void TestCandyBoard::answer()
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
    QList<bool> avantiDuringSolution;
    env.sound.onPlay = [&](const RecordingSoundPlayer::Played &) {
        avantiDuringSolution << avanti->isEnabled();
    };
    env.sound.clear();
    QTest::keyClicks(text1, typed);
    QTest::keyClick(text1, Qt::Key_Return);

    QCOMPARE(b.board->comandoIconaSi()->isHidden(), !right);
    QCOMPARE(b.board->comandoIconaNo()->isHidden(), right);
    QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral("0")); // not refreshed yet
    QCOMPARE(b.board->rightCount().value(), right ? 1 : 0);
    if (right) {
        QCOMPARE(env.sound.relativePaths(Mode::Synchronous), solution(8, 2, 4));
        QCOMPARE(env.sound.relativePaths().size(), 5); // no "right" effect on this board
        QCOMPARE(avantiDuringSolution, QList<bool>(5, false));
        QVERIFY(!text1->isEnabled());
        QVERIFY(avanti->isEnabled());

        env.sound.onPlay = nullptr;
        avanti->click();
        QCOMPARE(b.board->etichettaEsatti()->text(), QStringLiteral(" 1"));
        QVERIFY(b.control(QStringLiteral("Frame2"))->isHidden());
        QVERIFY(!avanti->isEnabled());
        QCOMPARE(b.board->passo(), 0);
        QCOMPARE(b.candiesOnTable(), 0);
        QVERIFY(!b.board->comandoIconaSi()->isHidden()); // the last verdict stays
    } else {
        QCOMPARE(env.sound.relativePaths(Mode::Asynchronous),
                 QStringList {QStringLiteral("\\suoni\\no.wav")});
        QCOMPARE(env.sound.relativePaths().size(), 1);
        QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 1"));
        QCOMPARE(text1->text(), typed);
        QVERIFY(text1->isEnabled());
        QCOMPARE(b.board->focusWidget(), text1);
        QVERIFY(!avanti->isEnabled());
        QTest::keyClick(text1, Qt::Key_Return); // judged again
        QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral(" 2"));
    }
}

void TestCandyBoard::remainderAnswer_data()
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

void TestCandyBoard::remainderAnswer()
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

    QTest::keyClicks(text1, QString::number(quoziente));
    QTest::keyClick(text1, Qt::Key_Return);
    QVERIFY(!text1->isEnabled());
    QVERIFY(text2->isEnabled());
    QCOMPARE(b.board->focusWidget(), text2);
    QVERIFY(env.sound.relativePaths().isEmpty());
    QCOMPARE(b.board->rightCount().value() + b.board->wrongCount().value(), 0);
    QVERIFY(!b.board->comandoIconaSi()->isHidden() && !b.board->comandoIconaNo()->isHidden());

    QTest::keyClicks(text2, wrong);
    QTest::keyClick(text2, Qt::Key_Return);
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
    QVERIFY(!text2->isEnabled());
    QVERIFY(b.board->bottoneAvanti()->isEnabled());
}

void TestCandyBoard::onlyOwnCandiesAreTaken()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 2);
    b.introduce();
    Form6 other;
    const auto dropped = [&](QWidget *target, QMimeData *mime) {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        delete mime;
        return enter.isAccepted();
    };
    auto *text = new QMimeData;
    text->setText(QStringLiteral("caramella"));
    QVERIFY(!dropped(b.child(0), text));
    auto *file = new QMimeData;
    file->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/caramella.svg"))});
    QVERIFY(!dropped(b.child(0), file));
    QVERIFY(!dropped(b.child(0), CandyDrag::mimeData(other.boardId(), 0)));
    auto *forged = new QMimeData;
    forged->setData(CandyDrag::mimeType(), "0 1 x");
    QVERIFY(!dropped(b.child(0), forged));
    QVERIFY(!dropped(b.child(2), CandyDrag::mimeData(b.board->boardId(), 0))); // hidden child
    QCOMPARE(b.candiesOnTable(), 4);

    QVERIFY(dropped(b.child(1), CandyDrag::mimeData(b.board->boardId(), 3)));
    QVERIFY(b.candy(3)->isHidden());
    QVERIFY(!b.disc(9)->isHidden());
    QCOMPARE(b.candiesOnTable(), 3);
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
        QTest::keyClicks(b.control<AnswerBox>(QStringLiteral("Text1")), QStringLiteral("2"));
        QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text1")), Qt::Key_Return);
        QTest::keyClicks(b.control<AnswerBox>(QStringLiteral("Text2")), QStringLiteral("1"));
    }
    env.sound.clear();
    bool fired = false;
    env.sound.onPlay = [&](const RecordingSoundPlayer::Played &) {
        if (std::exchange(fired, true))
            return;
        board->close();
        if (destroyed)
            TestEnvironment::settle();
    };
    if (stage == 0)
        b.tick(2000);
    else if (stage == 1)
        board->imBambinoDragDrop(0, 2);
    else
        QTest::keyClick(b.control<AnswerBox>(QStringLiteral("Text2")), Qt::Key_Return);
    QCOMPARE(env.sound.relativePaths().size(), 1); // the rest of the prompt is not played
    if (board) {
        QVERIFY(!board->timer1()->isActive());
        QVERIFY(!board->bottoneAvanti()->isEnabled());
        QVERIFY(stage > 0 || b.control(QStringLiteral("Label3"))->isHidden());
    }
    TestEnvironment::settle();
    QVERIFY(board.isNull());
    QVERIFY(TestEnvironment::current() == nullptr);
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
    QCOMPARE(b.board->passo(), 2);
    QCOMPARE(b.board->sharing().count(0), 1);
    QCOMPARE(b.candiesOnTable(), 5);

    b.board->menuAction(QStringLiteral("MenuAzzera"))->trigger();
    QCOMPARE(b.board->etichettaErrati()->text(), QStringLiteral("0"));
    b.drop(0);
    QCOMPARE(b.board->sharing().count(0), 2);
}

QTEST_MAIN(TestCandyBoard)
#include "tst_candyboard.moc"
