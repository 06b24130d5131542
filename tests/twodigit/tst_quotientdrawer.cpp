// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotientdrawer.h"
#include "randomsource.h"
#include "scriptedrandom.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::DrawRule)

namespace {

// Scripted draws: the value draw(n) is to give, and n.
using Draws = QList<QPair<int, int>>;

const DrawRule Form2Rule {
    .withRemainder = false, .twoDigitDividend = true, .thinRedrawnOnes = false};
const DrawRule Form5Rule {
    .withRemainder = false, .twoDigitDividend = false, .thinRedrawnOnes = false};
const DrawRule Form4Rule {.withRemainder = true, .twoDigitDividend = true, .thinRedrawnOnes = true};
const DrawRule Form11Rule {
    .withRemainder = true, .twoDigitDividend = false, .thinRedrawnOnes = false};

constexpr int Problems = 100000;

// The share of divisor 1 among Form4's divisions, worked out from the draws'
// chances: the first set is kept whenever its dividend is at most 99; the
// sets drawn again keep divisor 1 only two times in three.
double form4ShareOfOnes()
{
    double firstKept = 0;
    double firstKeptOnes = 0;
    double redrawnWeight = 0;
    double redrawnOnes = 0;
    for (int divisor = 1; divisor <= 9; ++divisor) {
        int fitting = 0;
        for (int quotient = 0; quotient <= 98; ++quotient) {
            for (int remainder = 0; remainder < divisor; ++remainder)
                fitting += quotient * divisor + remainder <= 99;
        }
        const double kept = fitting / (9.0 * 99.0 * divisor);
        firstKept += kept;
        redrawnWeight += divisor == 1 ? kept * 2.0 / 3.0 : kept;
        if (divisor == 1) {
            firstKeptOnes = kept;
            redrawnOnes = kept * 2.0 / 3.0;
        }
    }
    return firstKeptOnes + (1.0 - firstKept) * redrawnOnes / redrawnWeight;
}

} // namespace

class TestQuotientDrawer : public QObject
{
    Q_OBJECT

private slots:
    void drawOrder_data();
    void drawOrder();
    void ranges_data();
    void ranges();
    void form2PairsAreEquallyLikely();
    void form4DrawsFewerOnes();
};

void TestQuotientDrawer::drawOrder_data()
{
    QTest::addColumn<DrawRule>("rule");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QList<int>>("division"); // dividend, divisor, quotient, remainder

    using D = Draws;
    QTest::newRow("Form2 keeps a fitting first pair")
        << Form2Rule << D {{6, 9}, {12, 99}} << QList<int> {84, 7, 12, 0};
    QTest::newRow("Form2 draws again past 99")
        << Form2Rule << D {{8, 9}, {50, 99}, {8, 9}, {12, 99}, {2, 9}, {33, 99}}
        << QList<int> {99, 3, 33, 0};
    QTest::newRow("Form5 keeps the largest")
        << Form5Rule << D {{8, 9}, {98, 99}} << QList<int> {882, 9, 98, 0};
    QTest::newRow("Form11 keeps the largest")
        << Form11Rule << D {{8, 9}, {98, 99}, {8, 9}} << QList<int> {890, 9, 98, 8};
    QTest::newRow("Form4 first divisor 1 never thinned")
        << Form4Rule << D {{0, 9}, {40, 99}, {0, 1}} << QList<int> {40, 1, 40, 0};
    QTest::newRow("Form4 redrawn divisor 1 kept on 0")
        << Form4Rule << D {{8, 9}, {50, 99}, {3, 9}, {0, 9}, {30, 99}, {0, 1}, {0, 3}}
        << QList<int> {30, 1, 30, 0};
    QTest::newRow("Form4 redrawn divisor 1 kept on 2")
        << Form4Rule << D {{8, 9}, {50, 99}, {3, 9}, {0, 9}, {30, 99}, {0, 1}, {2, 3}}
        << QList<int> {30, 1, 30, 0};
    QTest::newRow("Form4 redrawn divisor 1 dropped on 1")
        << Form4Rule
        << D {{8, 9}, {50, 99}, {3, 9}, {0, 9}, {30, 99}, {0, 1}, {1, 3}, {1, 9}, {10, 99}, {1, 2}}
        << QList<int> {21, 2, 10, 1};
    QTest::newRow("Form4 dropped twice, then too large, then kept")
        << Form4Rule
        << D {{8, 9}, {50, 99}, {3, 9}, {0, 9},   {5, 99}, {0, 1}, {1, 3},   {0, 9}, {6, 99},
              {0, 1}, {1, 3},   {7, 9}, {40, 99}, {2, 8},  {4, 9}, {10, 99}, {4, 5}}
        << QList<int> {54, 5, 10, 4};
}

void TestQuotientDrawer::drawOrder()
{
    QFETCH(DrawRule, rule);
    QFETCH(Draws, draws);
    QFETCH(QList<int>, division);

    ScriptedRandom random;
    for (const auto &[value, n] : draws)
        random.pushDraw(value, n);
    const TwoDigitDivision drawn = QuotientDrawer(rule).draw(random);

    QCOMPARE(random.draws(), int(draws.size()));
    QCOMPARE(random.pending(), 0);
    QCOMPARE(QList<int>({drawn.dividendo, drawn.divisore, drawn.quoziente, drawn.resto}), division);
    QCOMPARE(drawn.decine * 10 + drawn.unita, drawn.quoziente);
}

void TestQuotientDrawer::ranges_data()
{
    QTest::addColumn<DrawRule>("rule");
    QTest::addColumn<int>("largestDividend");
    QTest::newRow("Form2") << Form2Rule << 99;
    QTest::newRow("Form4") << Form4Rule << 99;
    QTest::newRow("Form5") << Form5Rule << 882;
    QTest::newRow("Form11") << Form11Rule << 890;
}

void TestQuotientDrawer::ranges()
{
    QFETCH(DrawRule, rule);
    QFETCH(int, largestDividend);

    SystemRandom random(4242);
    const QuotientDrawer drawer(rule);
    int largest = 0;
    int largestQuotient = 0;
    std::map<int, int> divisors;
    bool remainderSeen = false;
    for (int i = 0; i < Problems; ++i) {
        const TwoDigitDivision d = drawer.draw(random);
        QVERIFY(d.divisore >= 1 && d.divisore <= 9);
        QVERIFY(d.quoziente >= 0 && d.quoziente <= 98);
        QVERIFY(d.resto >= 0 && d.resto < d.divisore);
        if (d.divisore == 1)
            QCOMPARE(d.resto, 0);
        if (!rule.withRemainder)
            QCOMPARE(d.resto, 0);
        QCOMPARE(d.dividendo, d.quoziente * d.divisore + d.resto);
        QVERIFY(d.decine >= 0 && d.decine <= 9);
        QVERIFY(d.unita >= 0 && d.unita <= 9);
        QCOMPARE(d.decine * 10 + d.unita, d.quoziente);
        largest = std::max(largest, d.dividendo);
        largestQuotient = std::max(largestQuotient, d.quoziente);
        remainderSeen = remainderSeen || d.resto > 0;
        ++divisors[d.divisore];
    }
    // Never past the limit, and the limit itself comes up.
    QCOMPARE(largest, largestDividend);
    QCOMPARE(largestQuotient, 98);
    QCOMPARE(int(divisors.size()), 9);
    QCOMPARE(remainderSeen, rule.withRemainder);
}

void TestQuotientDrawer::form2PairsAreEquallyLikely()
{
    std::map<std::pair<int, int>, int> seen;
    SystemRandom random(20240611);
    const QuotientDrawer drawer(Form2Rule);
    constexpr int Pairs = 285;
    constexpr int PerPair = 200;
    for (int i = 0; i < Pairs * PerPair; ++i) {
        const TwoDigitDivision d = drawer.draw(random);
        ++seen[{d.divisore, d.quoziente}];
    }
    QCOMPARE(int(seen.size()), Pairs);
    int withDivisorOne = 0;
    double chiSquare = 0;
    for (const auto &[pair, count] : seen) {
        QVERIFY(pair.first * pair.second <= 99);
        withDivisorOne += pair.first == 1;
        chiSquare += double(count - PerPair) * (count - PerPair) / PerPair;
    }
    QCOMPARE(withDivisorOne, 99);
    // 284 degrees of freedom: mean 284, deviation about 24. A bound six
    // deviations out never trips on a fair draw, and a draw that favours
    // divisor 1 or small quotients lands in the thousands.
    QVERIFY2(chiSquare < 430, qPrintable(QString::number(chiSquare)));
}

void TestQuotientDrawer::form4DrawsFewerOnes()
{
    SystemRandom random(77);
    const QuotientDrawer drawer(Form4Rule);
    int ones = 0;
    for (int i = 0; i < Problems; ++i)
        ones += drawer.draw(random).divisore == 1;
    const double share = double(ones) / Problems;
    // About 0.29; 0.35 if no set were thinned, 0.26 if the first were too.
    const double expected = form4ShareOfOnes();
    QVERIFY2(std::abs(share - expected) < 0.01,
             qPrintable(QStringLiteral("%1 against %2").arg(share).arg(expected)));
}

QTEST_APPLESS_MAIN(TestQuotientDrawer)
#include "tst_quotientdrawer.moc"
