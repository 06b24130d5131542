// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "frequencies.h"
#include "onedigitdrawer.h"
#include "randomsource.h"
#include "scriptedrandom.h"
#include "termschoice.h"

#include <QTest>

#include <set>

using namespace Quozzoli;

using Terms = std::set<int>;

Q_DECLARE_METATYPE(Terms)
Q_DECLARE_METATYPE(Quozzoli::OneDigitDrawer::Kind)

namespace {

constexpr int Draws = 90000;

TermDrawer divisorsOf(const Terms &chosen)
{
    return Form1::terms().drawer([&chosen](int k) { return chosen.count(k) > 0; });
}

} // namespace

class TestOneDigitDraws : public QObject
{
    Q_OBJECT

private slots:
    void divisionsCoverTheirWholeRange_data();
    void divisionsCoverTheirWholeRange();
    void onlyChosenDivisorsEquallyLikely_data();
    void onlyChosenDivisorsEquallyLikely();
    void remainderUniformBelowTheDivisor();
    void rejectedCandidatesAreDrawnAfreshOverTheWholeRange_data();
    void rejectedCandidatesAreDrawnAfreshOverTheWholeRange();
    void choiceIsReadAtEachDraw();
    void noChosenDivisorDrawsNothing_data();
    void noChosenDivisorDrawsNothing();
    void zeroCountsAsOneFoldsTheRange();
};

void TestOneDigitDraws::divisionsCoverTheirWholeRange_data()
{
    QTest::addColumn<OneDigitDrawer::Kind>("kind");
    QTest::addColumn<int>("lastQuotient");
    QTest::addColumn<int>("seed");
    QTest::newRow("exact") << OneDigitDrawer::Kind::Exact << 8 << 7; // 9 never comes up
    QTest::newRow("with remainder") << OneDigitDrawer::Kind::WithRemainder << 9 << 11;
}

void TestOneDigitDraws::divisionsCoverTheirWholeRange()
{
    QFETCH(OneDigitDrawer::Kind, kind);
    QFETCH(int, lastQuotient);
    QFETCH(int, seed);
    const bool exact = kind == OneDigitDrawer::Kind::Exact;
    const std::vector<int> digits = Frequencies::range(0, 9);
    const Terms all(digits.begin(), digits.end());
    const OneDigitDrawer drawer(kind, divisorsOf(all));
    SystemRandom random(seed);
    Frequencies dividends, divisors, quotients;
    std::set<int> possible;
    for (int d = 1; d <= 9; ++d) {
        for (int q = 0; q <= lastQuotient; ++q) {
            for (int r = 0; r < (exact ? 1 : d); ++r)
                possible.insert(q * d + r);
        }
    }
    for (int i = 0; i < Draws; ++i) {
        const std::optional<OneDigitDivision> division = drawer.draw(random);
        QVERIFY(division);
        QVERIFY(division->remainder >= 0 && division->remainder < (exact ? 1 : division->divisor));
        QCOMPARE(division->dividend, division->quotient * division->divisor + division->remainder);
        dividends.add(division->dividend);
        divisors.add(division->divisor);
        quotients.add(division->quotient);
    }
    QCOMPARE(dividends.seen(), possible); // 0 to 72 exact, 0 to 89 with a remainder
    QVERIFY(divisors.uniformOver(Frequencies::range(1, 9)));
    QVERIFY(quotients.uniformOver(Frequencies::range(0, lastQuotient)));
}

void TestOneDigitDraws::onlyChosenDivisorsEquallyLikely_data()
{
    QTest::addColumn<OneDigitDrawer::Kind>("kind");
    QTest::addColumn<Terms>("ticked");
    QTest::addColumn<std::vector<int>>("expected");
    using K = OneDigitDrawer::Kind;
    QTest::newRow("only 7") << K::Exact << Terms {7} << std::vector<int> {7};
    QTest::newRow("0 and 7") << K::WithRemainder << Terms {0, 7} << std::vector<int> {7};
    QTest::newRow("2 5 9") << K::Exact << Terms {2, 5, 9} << std::vector<int> {2, 5, 9};
    QTest::newRow("all but 0") << K::WithRemainder << Terms {1, 2, 3, 4, 5, 6, 7, 8, 9}
                               << Frequencies::range(1, 9);
    QTest::newRow("1 and 9") << K::WithRemainder << Terms {1, 9} << std::vector<int> {1, 9};
}

void TestOneDigitDraws::onlyChosenDivisorsEquallyLikely()
{
    QFETCH(OneDigitDrawer::Kind, kind);
    QFETCH(Terms, ticked);
    QFETCH(std::vector<int>, expected);
    const OneDigitDrawer drawer(kind, divisorsOf(ticked));
    SystemRandom random(23);
    Frequencies divisors;
    for (int i = 0; i < Draws / 3; ++i)
        divisors.add(drawer.draw(random)->divisor);
    QVERIFY(divisors.uniformOver(expected));
    QCOMPARE(int(divisors.counts().size()), int(expected.size()));
}

void TestOneDigitDraws::remainderUniformBelowTheDivisor()
{
    const Terms seven {7};
    const OneDigitDrawer drawer(OneDigitDrawer::Kind::WithRemainder, divisorsOf(seven));
    SystemRandom random(5);
    Frequencies remainders;
    for (int i = 0; i < Draws / 3; ++i)
        remainders.add(drawer.draw(random)->remainder);
    QVERIFY(remainders.uniformOver(Frequencies::range(0, 6)));

    const Terms one {1};
    const OneDigitDrawer byOne(OneDigitDrawer::Kind::WithRemainder, divisorsOf(one));
    for (int i = 0; i < 1000; ++i) {
        const OneDigitDivision division = *byOne.draw(random);
        QCOMPARE(division.remainder, 0);
        QCOMPARE(division.dividend, division.quotient);
    }
}

void TestOneDigitDraws::rejectedCandidatesAreDrawnAfreshOverTheWholeRange_data()
{
    QTest::addColumn<OneDigitDrawer::Kind>("kind");
    QTest::addColumn<int>("quotientRange");
    QTest::newRow("exact") << OneDigitDrawer::Kind::Exact << 9;
    QTest::newRow("with remainder") << OneDigitDrawer::Kind::WithRemainder << 10;
}

void TestOneDigitDraws::rejectedCandidatesAreDrawnAfreshOverTheWholeRange()
{
    QFETCH(OneDigitDrawer::Kind, kind);
    QFETCH(int, quotientRange);
    const Terms chosen {4, 7};
    const OneDigitDrawer drawer(kind, divisorsOf(chosen));
    ScriptedRandom random;
    // Candidates 3 and 9 are not chosen, 7 is; then the quotient 5 and the
    // remainder 2 (of 7).
    random.pushDraw(2, 9);
    random.pushDraw(8, 9);
    random.pushDraw(6, 9);
    random.pushDraw(5, quotientRange);
    random.pushDraw(2, 7);
    const OneDigitDivision division = *drawer.draw(random);
    QCOMPARE(division.divisor, 7);
    QCOMPARE(division.quotient, 5);
    if (kind == OneDigitDrawer::Kind::Exact) {
        QCOMPARE(random.draws(), 4);
        QCOMPARE(division.remainder, 0);
        QCOMPARE(division.dividend, 35);
    } else {
        QCOMPARE(random.draws(), 5);
        QCOMPARE(division.remainder, 2);
        QCOMPARE(division.dividend, 37);
    }
}

void TestOneDigitDraws::choiceIsReadAtEachDraw()
{
    Terms chosen {3};
    const OneDigitDrawer drawer(OneDigitDrawer::Kind::Exact, divisorsOf(chosen));
    SystemRandom random(3);
    QCOMPARE(drawer.draw(random)->divisor, 3);
    chosen = {8};
    for (int i = 0; i < 100; ++i)
        QCOMPARE(drawer.draw(random)->divisor, 8);
}

void TestOneDigitDraws::noChosenDivisorDrawsNothing_data()
{
    QTest::addColumn<Terms>("ticked");
    QTest::newRow("nothing") << Terms {};
    QTest::newRow("only 0") << Terms {0};
}

void TestOneDigitDraws::noChosenDivisorDrawsNothing()
{
    QFETCH(Terms, ticked);
    for (auto kind : {OneDigitDrawer::Kind::Exact, OneDigitDrawer::Kind::WithRemainder}) {
        const OneDigitDrawer drawer(kind, divisorsOf(ticked));
        ScriptedRandom random;
        QVERIFY(!drawer.canDraw());
        QVERIFY(!drawer.draw(random));
        QCOMPARE(random.draws(), 0);
    }
}

void TestOneDigitDraws::zeroCountsAsOneFoldsTheRange()
{
    Terms chosen {0};
    TermDrawer drawer(0, 11, [&chosen](int k) { return chosen.count(k) > 0; });
    QVERIFY(drawer.canDraw());
    drawer.setZeroCountsAsOne(true);
    QCOMPARE(drawer.lowestTerm(), 1);
    QVERIFY(!drawer.canDraw());
    chosen = {1, 4};
    SystemRandom random(19);
    Frequencies terms;
    for (int i = 0; i < Draws / 3; ++i)
        terms.add(*drawer.draw(random));
    QVERIFY(terms.follows({{1, 2.0}, {4, 1.0}}));
}

QTEST_GUILESS_MAIN(TestOneDigitDraws)
#include "tst_onedigitdraws.moc"
