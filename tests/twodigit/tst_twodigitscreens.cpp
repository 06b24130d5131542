// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedvalues.h"
#include "twodigitfixture.h"
#include "twodigitscreen.h"

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

QString caption(ScreenId id, const TwoDigitFixture::Division &d)
{
    const int dividend
        = d.quotient * d.divisor + (TwoDigitFixture::hasRemainder(id) ? d.remainder : 0);
    return QStringLiteral(" %1 :  %2 =%3")
        .arg(dividend)
        .arg(d.divisor)
        .arg(TwoDigitFixture::hasRemainder(id) ? QStringLiteral("    ") : QStringLiteral(" "));
}

// The widget that Tab leads to from `widget`.
QWidget *tabFrom(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

} // namespace

// How a two-digit screen opens, poses its problems one after another and
// keeps its counts.
class TestTwoDigitScreens : public TwoDigitFixture
{
    Q_OBJECT

private slots:
    void opensOnFirstProblem_data();
    void opensOnFirstProblem();
    void solvesAProblem_data();
    void solvesAProblem();
    void smallQuotients_data();
    void smallQuotients();
    void azzeraMidProblem_data() { solvesAProblem_data(); }
    void azzeraMidProblem();
    void screensKeepTheirDividendRule_data();
    void screensKeepTheirDividendRule();
};

void TestTwoDigitScreens::opensOnFirstProblem_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<QColor>("colour3"); // entry 3 of the screen's colours
    const QList<QColor> entry3 {QColor(255, 0, 0), QColor(192, 192, 255), QColor(255, 192, 255),
                                QColor(255, 192, 255)};
    for (int i = 0; i < allScreens().size(); ++i) {
        for (bool wait : {true, false})
            QTest::addRow("%s %s", nameOf(allScreens()[i]), waitName(wait))
                << allScreens()[i] << wait << entry3[i];
    }
}

void TestTwoDigitScreens::opensOnFirstProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(QColor, colour3);

    shared().numeroEsatti.increment(); // whatever an earlier screen counted
    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d, 3));

    QCOMPARE(labelText(m_screen, "EtNumero"), caption(id, d));
    QCOMPARE(m_screen->background(), colour3);
    QCOMPARE(m_env->random.pending(), 0);
    QCOMPARE(shared().divisore, 7);
    QCOMPARE(shared().quoziente, 12);
    QCOMPARE(shared().dividendo, hasRemainder(id) ? 86 : 84);
    if (hasRemainder(id))
        QCOMPARE(shared().resto, 2);
    verifyCounts("0", "0");
    verifyFaces(true, true);
    verifyOpenBox(0);
    QCOMPARE(m_screen->bottoneAvanti()->isVisible(), wait);
    QVERIFY(!m_screen->bottoneAvanti()->isEnabled());

    QCOMPARE(m_boxes.size(), hasRemainder(id) ? 3 : 2);
    for (int i = 0; i + 1 < m_boxes.size(); ++i)
        QCOMPARE(tabFrom(m_boxes[i]), m_boxes[i + 1]);
    QCOMPARE(m_boxes[0]->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(m_boxes[1]->palette().color(QPalette::Base), QColor(0, 0, 255));
    auto *label3 = m_screen->findChild<QLabel *>("Label3");
    QCOMPARE(label3 != nullptr, hasRemainder(id));
    if (label3)
        QCOMPARE(label3->text(), QStringLiteral("R."));
    QVERIFY(m_env->sound.played().isEmpty());
}

void TestTwoDigitScreens::solvesAProblem_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false})
            QTest::addRow("%s %s", nameOf(id), waitName(wait)) << id << wait;
    }
}

void TestTwoDigitScreens::solvesAProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);

    const Division first {7, 12, 2};
    const Division second {3, 25, 1};
    QVERIFY(open(id, wait, first, 5));
    const QColor firstColour = m_screen->background();
    const QStringList answers = rightAnswers(id, first);

    // Every entry but the last opens the next box and counts nothing.
    for (int i = 0; i + 1 < m_boxes.size(); ++i) {
        answer(m_boxes[i], answers[i]);
        verifyOpenBox(i + 1);
        verifyFaces(true, false);
        QCOMPARE(m_boxes[i]->text(), answers[i]);
        QVERIFY(m_boxes[i + 1]->text().isEmpty());
    }
    verifyCounts("0", "0");
    QVERIFY(m_env->sound.played().isEmpty());

    m_env->random.pushDraw(2, 4); // the right sound
    if (!wait)
        scriptProblem(m_env->random, id, 9, second);
    answer(m_boxes.last(), answers.last());
    verifyCounts(" 1", "0");
    verifyFaces(true, false);
    QCOMPARE(m_env->sound.relativePaths(), QStringList {"\\suoni\\si3.wav"});
    QCOMPARE(m_env->sound.played().size(), 1);

    auto *etNumero = m_screen->findChild<QLabel *>("EtNumero");
    PictureButton *avanti = m_screen->bottoneAvanti();
    if (wait) {
        // The solved problem stays until "avanti" is pressed.
        verifyOpenBox(-1);
        QCOMPARE(m_boxes.last()->text(), answers.last());
        QCOMPARE(etNumero->text(), caption(id, first));
        QCOMPARE(m_screen->background(), firstColour);
        QVERIFY(avanti->isEnabled());
        QVERIFY(!avanti->hasFocus());
        scriptProblem(m_env->random, id, 9, second);
        QTest::mouseClick(avanti, Qt::LeftButton);
        QVERIFY(!avanti->isEnabled());
    } else {
        QVERIFY(!avanti->isVisible());
    }
    QCOMPARE(m_env->random.pending(), 0);
    QCOMPARE(etNumero->text(), caption(id, second));
    QVERIFY(m_screen->background() != firstColour);
    verifyOpenBox(0);
    for (AnswerBox *box : m_boxes)
        QVERIFY(box->text().isEmpty());
    verifyFaces(true, false); // the last verdict stays into the new problem
    verifyCounts(" 1", "0");
}

void TestTwoDigitScreens::smallQuotients_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("expected");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false}) {
            QTest::addRow("%s %s 7", nameOf(id), waitName(wait))
                << id << wait << 8 << 7 << 5
                << (hasRemainder(id) ? " 61 :  8 =    " : " 56 :  8 = ");
            QTest::addRow("%s %s 0", nameOf(id), waitName(wait))
                << id << wait << 3 << 0 << 2 << (hasRemainder(id) ? " 2 :  3 =    " : " 0 :  3 = ");
        }
    }
}

void TestTwoDigitScreens::smallQuotients()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(int, divisor);
    QFETCH(int, quotient);
    QFETCH(int, remainder);
    QFETCH(QString, expected);

    const Division d {divisor, quotient, remainder};
    QVERIFY(open(id, wait, d));
    QCOMPARE(labelText(m_screen, "EtNumero"), expected);

    // A quotient below 10 still has its tens digit typed, as 0.
    answer(m_boxes[0], QString::number(quotient));
    verifyCounts("0", quotient == 0 ? "0" : " 1");
    if (quotient != 0)
        answer(m_boxes[0], QStringLiteral("0"));
    verifyOpenBox(1);
    answer(m_boxes[1], QString::number(quotient));
    if (hasRemainder(id))
        answer(m_boxes[2], QString::number(remainder));
    verifyCounts(" 1", quotient == 0 ? "0" : " 1");
}

void TestTwoDigitScreens::azzeraMidProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);

    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d));
    const QStringList answers = rightAnswers(id, d);
    answer(m_boxes[0], QStringLiteral("9"));
    answer(m_boxes[0], answers[0]);
    verifyCounts("0", " 1");

    m_screen->menuAction(QStringLiteral("MenuAzzera"))->trigger();
    verifyCounts("0", "0");
    // The problem goes on where it was.
    QCOMPARE(labelText(m_screen, "EtNumero"), caption(id, d));
    QCOMPARE(m_boxes[0]->text(), answers[0]);
    verifyOpenBox(1);
    verifyFaces(true, false);

    if (!wait)
        scriptProblem(m_env->random, id, 9, d);
    for (int i = 1; i < m_boxes.size(); ++i)
        answer(m_boxes[i], answers[i]);
    verifyCounts(" 1", "0");
}

void TestTwoDigitScreens::screensKeepTheirDividendRule_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Form2 draws again") << ScreenId::Form2 << " 84 :  7 = ";
    QTest::newRow("Form4 draws again") << ScreenId::Form4 << " 86 :  7 =    ";
    QTest::newRow("Form5 keeps") << ScreenId::Form5 << " 450 :  9 = ";
    QTest::newRow("Form11 keeps") << ScreenId::Form11 << " 453 :  9 =    ";
}

void TestTwoDigitScreens::screensKeepTheirDividendRule()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, expected);

    scriptProblem(m_env->random, id, 1, {9, 50, 3});
    m_env->random.pushDraw(6, 9);
    m_env->random.pushDraw(12, 99);
    if (hasRemainder(id))
        m_env->random.pushDraw(2, 7);
    QVERIFY(open(id, true, {5, 10, 1})); // drawn only for the next problem
    QCOMPARE(labelText(m_screen, "EtNumero"), expected);
}

QTEST_MAIN(TestTwoDigitScreens)
#include "tst_twodigitscreens.moc"
