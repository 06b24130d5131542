// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphicplayer.h"

#include "answerbox.h"
#include "answerpanel.h"
#include "candyboard.h"
#include "candydrop.h"
#include "manualclock.h"
#include "numberreader.h"
#include "numericplayer.h"
#include "picturebutton.h"
#include "screendriver.h"
#include "svgpicture.h"
#include "tally.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace Quozzoli;

namespace {

QWidget *disc(CandyBoard *board, int i)
{
    return board->findChild<QWidget *>(QStringLiteral("Shape1_%1").arg(i));
}

// Lets the board finish its sentence: real files take their time.
void heard(CandyBoard *board)
{
    QTRY_VERIFY_WITH_TIMEOUT(!board->speaking(), Patience);
}

QString counterText(int count)
{
    return count == 0 ? QStringLiteral("0") : written(count);
}

} // namespace

void GraphicPlayer::checkCounters(CandyBoard *board)
{
    QCOMPARE(board->rightCount().value(), m_tally.screenRight);
    QCOMPARE(board->wrongCount().value(), m_tally.screenWrong);
    QCOMPARE(board->etichettaErrati()->text(), counterText(m_tally.screenWrong));
    QCOMPARE(board->etichettaEsatti()->text(), counterText(m_tally.screenRightShown));
}

void GraphicPlayer::introduce(CandyBoard *board)
{
    QCOMPARE(stepOnView(board), 0);
    for (int step = 1; step <= 3; ++step) {
        m_clock.advance(2000);
        board->timer1Timer();
        heard(board);
        QCOMPARE(stepOnView(board), step);
    }
    QVERIFY(!board->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    CandyProblem p;
    problemOnView(board, p);
    QCOMPARE(candiesOnTable(board), p.dividendo);
}

bool GraphicPlayer::drop(CandyBoard *board, int child)
{
    int first = 0;
    while (first < CandyBoard::Candies && candy(board, first)->isHidden())
        ++first;
    if (first == CandyBoard::Candies) {
        [] {
            QVERIFY2(false, "no candy left on the table");
        }();
        return false;
    }
    const int before = held(board, child);
    dropCandy(board, child, first);
    heard(board);
    ++m_tally.drops;
    if (candy(board, first)->isHidden()) {
        // Taken: the child's next slot shows a disc.
        const int now = held(board, child);
        [&] {
            QCOMPARE(now, before + 1);
            QVERIFY(disc(board, CandySharing::discIndex(child, now - 1))->isVisibleTo(board));
        }();
        return true;
    }
    if (board->wrongCount().value() > m_tally.screenWrong) {
        // Refused (partition): counted as a mistake, the candy stays.
        ++m_tally.refusedDrops;
        ++m_tally.screenWrong;
    }
    checkCounters(board);
    return false;
}

void GraphicPlayer::share(CandyBoard *board, int problem)
{
    CandyProblem p;
    const bool partition = problemOnView(board, p);
    const int children = partition ? p.divisore : p.quoziente;
    const int each = partition ? p.quoziente : p.divisore;
    if (children < CandySharing::Children) // a child not in play takes nothing
        QVERIFY(!drop(board, CandySharing::Children - 1));
    for (int n = 0; n < children && !QTest::currentTestFailed(); ++n) {
        for (int k = 0; k < each && !QTest::currentTestFailed(); ++k)
            QVERIFY(drop(board, n));
        if (partition && n == 0 && children > 1 && problem % 2 == 0) {
            const int wrong = m_tally.screenWrong;
            QVERIFY(!drop(board, 0)); // one too many
            QCOMPARE(m_tally.screenWrong, wrong + 1);
            QVERIFY(board->comandoIconaNo()->isVisibleTo(board));
        }
    }
    if (QTest::currentTestFailed())
        return;
    QVERIFY(board->findChild<AnswerPanel *>(QStringLiteral("Frame2"))->isVisibleTo(board));
    QCOMPARE(candiesOnTable(board), p.resto);
}

bool GraphicPlayer::enter(CandyBoard *board, AnswerBox *box, const QString &text, long expected,
                          bool last)
{
    [&] {
        QVERIFY(box->isEnabled());
        box->clear();
        ScreenDriver::type(box, text);
        QCOMPARE(box->text(), text);
    }();
    // An empty box reads as 0 here.
    const bool right = typedNumberEquals(text.toStdString(), expected);
    QTest::keyClick(box, Qt::Key_Return);
    heard(board);
    if (right) {
        ++m_tally.rightEntries;
        if (last) {
            ++m_tally.problemsSolved;
            ++m_tally.screenRight;
        }
    } else {
        ++m_tally.wrongEntries;
        ++m_tally.screenWrong;
        [&] {
            QVERIFY(board->comandoIconaNo()->isVisibleTo(board));
            QCOMPARE(box->text(), text);
        }();
    }
    checkCounters(board);
    return right;
}

void GraphicPlayer::answer(CandyBoard *board, int problem)
{
    auto *panel = board->findChild<AnswerPanel *>(QStringLiteral("Frame2"));
    CandyProblem p;
    problemOnView(board, p);
    QList<ScreenDriver::Step> steps {{panel->text1(), p.quoziente}};
    if (panel->text2())
        steps.append({panel->text2(), p.resto});
    NumericPlayer::playSteps(steps, problem, 1, m_tally,
                             [&](const ScreenDriver::Step &step, const QString &text, bool last) {
                                 return enter(board, step.box, text, step.expected, last);
                             });
}

void GraphicPlayer::solve(CandyBoard *board, int problem)
{
    introduce(board);
    if (!QTest::currentTestFailed())
        share(board, problem);
    if (!QTest::currentTestFailed())
        answer(board, problem);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(board->comandoIconaSi()->isVisibleTo(board));
    QVERIFY(board->bottoneAvanti()->isEnabled());
    QTest::mouseClick(board->bottoneAvanti(), Qt::LeftButton);
    m_tally.screenRightShown = m_tally.screenRight;
    checkCounters(board);
    QVERIFY(!board->findChild<AnswerPanel *>(QStringLiteral("Frame2"))->isVisibleTo(board));
    QCOMPARE(stepOnView(board), 0);
}
