// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candysharing.h"
#include "problemrule.h"
#include "randomsource.h"
#include "stepsequencer.h"

#include <QTest>

#include <map>
#include <set>
#include <tuple>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ProblemRule)
Q_DECLARE_METATYPE(Quozzoli::SharingMode)

using Outcome = CandySharing::Outcome;

namespace {

// A generator stuck on one value.
class StuckRandom final : public RandomSource
{
public:
    double next() override { return 0.0; }
    void seedFromClock() override { }
};

constexpr int Draws = 40000;

} // namespace

class TestCandyRules : public QObject
{
    Q_OBJECT

private slots:
    void problemsStayInRange_data();
    void problemsStayInRange();
    void edgePairings_data();
    void edgePairings();
    void stuckGeneratorStillGivesAProblem();
    void partitionRefusesAndCompletesInAnyOrder_data();
    void partitionRefusesAndCompletesInAnyOrder();
    void quotitionServesOneChildAtATime_data();
    void quotitionServesOneChildAtATime();
    void traySlots_data();
    void traySlots();
    void stepsBeginTwoWholeSecondsAfterTheWait();
};

void TestCandyRules::problemsStayInRange_data()
{
    QTest::addColumn<ProblemRule>("rule");
    QTest::addColumn<int>("divisorMax");
    QTest::addColumn<int>("quotientMax");
    QTest::newRow("partition") << ProblemRule::partition(false) << 5 << 9;
    QTest::newRow("quotition") << ProblemRule::quotition(false) << 9 << 5;
    QTest::newRow("partition, remainder") << ProblemRule::partition(true) << 5 << 9;
    QTest::newRow("quotition, remainder") << ProblemRule::quotition(true) << 9 << 5;
}

void TestCandyRules::problemsStayInRange()
{
    QFETCH(ProblemRule, rule);
    QFETCH(int, divisorMax);
    QFETCH(int, quotientMax);
    SystemRandom random(4242);
    std::map<int, int> divisors;
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 0; i < Draws; ++i) {
        const CandyProblem p = rule.draw(random);
        QVERIFY(p.divisore >= 1 && p.divisore <= divisorMax);
        QVERIFY(p.quoziente >= 1 && p.quoziente <= quotientMax);
        QVERIFY(p.resto >= 0 && p.resto < p.divisore);
        if (!rule.remainder())
            QCOMPARE(p.resto, 0);
        QCOMPARE(p.dividendo, p.divisore * p.quoziente + p.resto);
        QVERIFY(p.dividendo >= 2 && p.dividendo <= 30);
        ++divisors[p.divisore];
        seen.insert({p.divisore, p.quoziente, p.resto});
    }
    // Only the quotient is drawn again, so the divisor stays uniform.
    QCOMPARE(int(divisors.size()), divisorMax);
    for (const auto &[divisor, count] : divisors)
        QVERIFY2(std::abs(count - Draws / divisorMax) < Draws / divisorMax / 10,
                 qPrintable(QString::number(divisor)));
    // Every problem that fits on the table turns up.
    int possible = 0;
    for (int d = 1; d <= divisorMax; ++d) {
        for (int r = 0; r < (rule.remainder() ? d : 1); ++r) {
            for (int q = 1; q <= quotientMax; ++q) {
                if (d * q + r <= 30 && d * q > 1) {
                    ++possible;
                    QVERIFY2(seen.count({d, q, r}),
                             qPrintable(QStringLiteral("%1 %2 %3").arg(d).arg(q).arg(r)));
                }
            }
        }
    }
    QCOMPARE(int(seen.size()), possible);
}

void TestCandyRules::edgePairings_data()
{
    QTest::addColumn<ProblemRule>("rule");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("remainder"); // -1: any
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    const ProblemRule p = ProblemRule::partition(false);
    const ProblemRule q = ProblemRule::quotition(false);
    const ProblemRule pr = ProblemRule::partition(true);
    const ProblemRule qr = ProblemRule::quotition(true);
    QTest::newRow("one child gets 2 to 9") << p << 1 << -1 << 2 << 9;
    QTest::newRow("3 children get 1 to 9") << p << 3 << -1 << 1 << 9;
    QTest::newRow("4 children get 1 to 7") << p << 4 << -1 << 1 << 7;
    QTest::newRow("5 children get 1 to 6") << p << 5 << -1 << 1 << 6;
    QTest::newRow("one candy each: 2 to 5 children") << q << 1 << -1 << 2 << 5;
    QTest::newRow("6 each: 1 to 5 children") << q << 6 << -1 << 1 << 5;
    QTest::newRow("7 each: 1 to 4 children") << q << 7 << -1 << 1 << 4;
    QTest::newRow("8 each: 1 to 3 children") << q << 8 << -1 << 1 << 3;
    QTest::newRow("9 each: 1 to 3 children") << q << 9 << -1 << 1 << 3;
    QTest::newRow("one child, nothing left: 2 to 9") << pr << 1 << 0 << 2 << 9;
    QTest::newRow("5 children, 4 left: up to 5") << pr << 5 << 4 << 1 << 5;
    QTest::newRow("5 children, none left: up to 6") << pr << 5 << 0 << 1 << 6;
    QTest::newRow("one each, none left: 2 to 5") << qr << 1 << 0 << 2 << 5;
    QTest::newRow("9 each, 3 left: 3 children") << qr << 9 << 3 << 1 << 3;
    QTest::newRow("9 each, 4 left: 2 children") << qr << 9 << 4 << 1 << 2;
    QTest::newRow("8 each, 6 left: 3 children") << qr << 8 << 6 << 1 << 3;
    QTest::newRow("8 each, 7 left: 2 children") << qr << 8 << 7 << 1 << 2;
    QTest::newRow("7 each, 2 left: 4 children") << qr << 7 << 2 << 1 << 4;
    QTest::newRow("7 each, 3 left: 3 children") << qr << 7 << 3 << 1 << 3;
    QTest::newRow("6 each, none left: 5 children") << qr << 6 << 0 << 1 << 5;
    QTest::newRow("6 each, 1 left: 4 children") << qr << 6 << 1 << 1 << 4;
}

void TestCandyRules::edgePairings()
{
    QFETCH(ProblemRule, rule);
    QFETCH(int, divisor);
    QFETCH(int, remainder);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    SystemRandom random(977);
    int low = 100;
    int high = 0;
    std::set<int> remainders;
    for (int i = 0; i < Draws; ++i) {
        const CandyProblem p = rule.draw(random);
        if (p.divisore != divisor)
            continue;
        remainders.insert(p.resto);
        if (remainder >= 0 && p.resto != remainder)
            continue;
        low = std::min(low, p.quoziente);
        high = std::max(high, p.quoziente);
    }
    QCOMPARE(low, lowest);
    QCOMPARE(high, highest);
    if (divisor == 1)
        QCOMPARE(remainders, std::set<int> {0});
}

void TestCandyRules::stuckGeneratorStillGivesAProblem()
{
    StuckRandom stuck;
    for (const ProblemRule &rule : {ProblemRule::partition(false), ProblemRule::quotition(true)}) {
        const CandyProblem p = rule.draw(stuck);
        QCOMPARE(p.divisore, 1);
        QCOMPARE(p.quoziente, 2);
        QCOMPARE(p.dividendo, 2);
    }
}

void TestCandyRules::partitionRefusesAndCompletesInAnyOrder_data()
{
    QTest::addColumn<int>("children");
    QTest::addColumn<int>("share");
    QTest::addColumn<QList<int>>("drops");
    QTest::addColumn<QList<int>>("outcomes"); // Outcome values, one per drop
    const int taken = int(Outcome::Taken);
    const int refused = int(Outcome::Refused);
    const int complete = int(Outcome::Complete);
    const int ignored = int(Outcome::Ignored);
    QTest::newRow("in turn") << 3 << 2 << QList<int> {0, 0, 1, 1, 2, 2}
                             << QList<int> {taken, taken, taken, taken, taken, complete};
    QTest::newRow("last child first")
        << 3 << 2 << QList<int> {2, 2, 2, 1, 0, 1, 2, 0}
        << QList<int> {taken, taken, refused, taken, taken, taken, refused, complete};
    QTest::newRow("one child") << 1 << 3 << QList<int> {0, 0, 0, 0}
                               << QList<int> {taken, taken, complete, ignored};
    QTest::newRow("children out of play")
        << 2 << 1 << QList<int> {2, 4, -1, 5, 1, 0}
        << QList<int> {ignored, ignored, ignored, ignored, taken, complete};
}

void TestCandyRules::partitionRefusesAndCompletesInAnyOrder()
{
    QFETCH(int, children);
    QFETCH(int, share);
    QFETCH(QList<int>, drops);
    QFETCH(QList<int>, outcomes);
    CandySharing sharing(SharingMode::Partition);
    QCOMPARE(int(sharing.drop(0)), int(Outcome::Ignored)); // no problem yet
    sharing.start({.divisore = children, .quoziente = share});
    for (int i = 0; i < drops.size(); ++i)
        QCOMPARE(int(sharing.drop(drops[i])), outcomes[i]);
    QVERIFY(sharing.complete());
    sharing.clear();
    QCOMPARE(sharing.count(0), 0);
    QCOMPARE(int(sharing.drop(0)), int(Outcome::Ignored));
}

void TestCandyRules::quotitionServesOneChildAtATime_data()
{
    QTest::addColumn<int>("each");
    QTest::addColumn<int>("children");
    QTest::newRow("2 each, 3 children") << 2 << 3;
    QTest::newRow("one child") << 5 << 1;
    QTest::newRow("one each, 5 children") << 1 << 5;
}

void TestCandyRules::quotitionServesOneChildAtATime()
{
    QFETCH(int, each);
    QFETCH(int, children);
    CandySharing sharing(SharingMode::Quotition);
    sharing.start({.divisore = each, .quoziente = children});
    for (int child = 0; child < children; ++child) {
        QCOMPARE(sharing.servedChild(), child);
        if (child + 1 < CandySharing::Children)
            QCOMPARE(int(sharing.drop(child + 1)), int(Outcome::Ignored));
        for (int k = 1; k < each; ++k)
            QCOMPARE(int(sharing.drop(child)), int(Outcome::Taken));
        const Outcome last = child == children - 1 ? Outcome::Complete : Outcome::ChildServed;
        QCOMPARE(int(sharing.drop(child)), int(last));
        QCOMPARE(sharing.count(child), each);
        QCOMPARE(int(sharing.drop(child)), int(Outcome::Ignored)); // served: no more
    }
    QVERIFY(sharing.complete());
}

void TestCandyRules::traySlots_data()
{
    QTest::addColumn<int>("child");
    QTest::addColumn<QList<QPoint>>("places"); // slot 0 to 8
    const QList<QPoint> leftToRight {{120, 960}, {480, 960}, {840, 960}, {120, 600}, {480, 600},
                                     {840, 600}, {120, 240}, {480, 240}, {840, 240}};
    QList<QPoint> rightToLeft;
    for (int row = 0; row < 3; ++row) {
        for (int column = 2; column >= 0; --column)
            rightToLeft << leftToRight[row * 3 + column];
    }
    QTest::newRow("child 0") << 0 << leftToRight;
    for (int child = 1; child < 5; ++child)
        QTest::addRow("child %d", child) << child << rightToLeft;
}

void TestCandyRules::traySlots()
{
    QFETCH(int, child);
    QFETCH(QList<QPoint>, places);
    for (int k = 0; k < 9; ++k) {
        const CandySharing::Place place = CandySharing::slotPlace(child, k);
        QCOMPARE(QPoint(place.left, place.top), places[k]);
        QCOMPARE(CandySharing::discIndex(child, k), 9 * child + k);
    }
}

void TestCandyRules::stepsBeginTwoWholeSecondsAfterTheWait()
{
    StepSequencer steps;
    steps.restart(100);
    QCOMPARE(steps.tick(100), 0);
    QCOMPARE(steps.tick(101), 0);
    QCOMPARE(steps.tick(102), 1);
    QCOMPARE(steps.tick(102), 2); // a step that never restarted the wait
    steps.waitFrom(110);
    QCOMPARE(steps.tick(111), 0);
    QCOMPARE(steps.tick(112), 3);
    QCOMPARE(steps.tick(200), 0); // the introduction is over
    steps.restart(300);
    QCOMPARE(steps.passo(), 0);
    QCOMPARE(steps.tick(302), 1);
}

QTEST_GUILESS_MAIN(TestCandyRules)
#include "tst_candyrules.moc"
