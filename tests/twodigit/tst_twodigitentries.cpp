// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twodigitfixture.h"
#include "twodigitscreen.h"

using namespace Quozzoli;
using namespace ScreenDriver;

// What an entry in one of the boxes of a two-digit screen counts as: right,
// wrong or nothing at all.
class TestTwoDigitEntries : public TwoDigitFixture
{
    Q_OBJECT

private slots:
    void wrongEntries_data();
    void wrongEntries();
    void readings_data();
    void readings();

private:
    // Types right answers into the first `count` boxes.
    void answerRight(const QStringList &answers, int count);
};

void TestTwoDigitEntries::answerRight(const QStringList &answers, int count)
{
    for (int i = 0; i < count; ++i)
        answer(m_boxes[i], answers[i]);
}

void TestTwoDigitEntries::wrongEntries_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<int>("box");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false}) {
            for (int box = 0; box < (hasRemainder(id) ? 3 : 2); ++box)
                QTest::addRow("%s %s box %d", nameOf(id), waitName(wait), box) << id << wait << box;
        }
    }
}

void TestTwoDigitEntries::wrongEntries()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(int, box);

    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d));
    const QStringList answers = rightAnswers(id, d);
    answerRight(answers, box);

    // Enter on the empty box, by either key, does nothing.
    const bool rightFace = m_screen->comandoIconaSi()->isVisible();
    const bool wrongFace = m_screen->comandoIconaNo()->isVisible();
    const int draws = m_env->random.draws();
    QTest::keyClick(m_boxes[box], Qt::Key_Return);
    QTest::keyClick(m_boxes[box], Qt::Key_Enter, Qt::KeypadModifier);
    verifyCounts("0", "0");
    verifyFaces(rightFace, wrongFace);
    verifyOpenBox(box);
    QVERIFY(m_env->sound.played().isEmpty());
    QCOMPARE(m_env->random.draws(), draws);

    answer(m_boxes[box], QStringLiteral("5"));
    verifyFaces(false, true);
    verifyCounts("0", " 1");
    verifyOpenBox(box);
    QCOMPARE(m_boxes[box]->text(), QStringLiteral("5"));
    QCOMPARE(m_env->sound.relativePaths(), QStringList {WrongSound});

    // Each Enter on a wrong text counts again.
    QTest::keyClick(m_boxes[box], Qt::Key_Return);
    verifyCounts("0", " 2");
    verifyOpenBox(box);
    QCOMPARE(m_env->sound.relativePaths(), QStringList({WrongSound, WrongSound}));

    // The right answer after wrong ones shows the happy face, the last box too.
    const bool last = box + 1 == m_boxes.size();
    if (last && !wait)
        scriptProblem(m_env->random, id, 9, d);
    answer(m_boxes[box], answers[box]);
    verifyFaces(true, false);
    verifyCounts(last ? " 1" : "0", " 2");
    if (!last)
        verifyOpenBox(box + 1);
    else
        verifyOpenBox(wait ? -1 : 0);
}

void TestTwoDigitEntries::readings_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");

    struct Reading
    {
        int box;
        int digit;
        const char *text;
        bool right;
    };
    const QList<Reading> readings {
        {0, 7, "7", true},   {0, 7, " 7", true},  {0, 7, "07", true},   {0, 7, "7a", true},
        {0, 7, "7.0", true}, {0, 7, "a7", false}, {0, 7, "7.5", false}, {0, 7, "70", false},
        {0, 0, "a7", true},  {0, 0, " ", true},   {0, 0, "7", false},   {1, 4, "4 ", true},
        {1, 4, "0 4", true}, {1, 4, "a4", false}, {1, 0, "x", true},    {2, 3, "3", true},
        {2, 3, " 03", true}, {2, 3, "3b", true},  {2, 3, "b3", false},  {2, 0, "0", true},
        {2, 0, "-", true},   {2, 0, "1", false},
    };
    for (ScreenId id : allScreens()) {
        for (const Reading &r : readings) {
            if (r.box < 2 || hasRemainder(id))
                QTest::addRow("%s box %d %d \"%s\"", nameOf(id), r.box, r.digit, r.text)
                    << id << r.box << r.digit << QString::fromLatin1(r.text) << r.right;
        }
    }
}

void TestTwoDigitEntries::readings()
{
    QFETCH(ScreenId, id);
    QFETCH(int, box);
    QFETCH(int, digit);
    QFETCH(QString, text);
    QFETCH(bool, right);

    // A division whose digit in the tested box is `digit`.
    Division d {9, 5, 0};
    if (box == 0)
        d = {1, digit * 10 + 3, 0};
    else if (box == 1)
        d = {1, 30 + digit, 0};
    else
        d.remainder = digit;
    QVERIFY(open(id, true, d));
    answerRight(rightAnswers(id, d), box);

    answer(m_boxes[box], text);
    verifyCounts(right && box + 1 == m_boxes.size() ? " 1" : "0", right ? "0" : " 1");
    verifyFaces(right, !right);
    verifyOpenBox(right ? (box + 1 == m_boxes.size() ? -1 : box + 1) : box);
}

QTEST_MAIN(TestTwoDigitEntries)
#include "tst_twodigitentries.moc"
