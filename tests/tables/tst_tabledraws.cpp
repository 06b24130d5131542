// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form10.h"
#include "frequencies.h"
#include "randomsource.h"
#include "scriptedrandom.h"
#include "tabledrawer.h"
#include "termschoice.h"

#include <QTest>

#include <set>

using namespace Quozzoli;

using Tables = std::set<int>;
using Weights = std::map<int, double>;

Q_DECLARE_METATYPE(Tables)
Q_DECLARE_METATYPE(Weights)

namespace {

constexpr int Draws = 110000;

TableDrawer tablesOf(const Tables &chosen)
{
    return TableDrawer(Form10::terms().drawer([&chosen](int k) { return chosen.count(k) > 0; }));
}

Tables allTables()
{
    const std::vector<int> values = Frequencies::range(0, 10);
    return Tables(values.begin(), values.end());
}

} // namespace

class TestTableDraws : public QObject
{
    Q_OBJECT

private slots:
    void productsCoverTheWholeRange();
    void tableWeights_data();
    void tableWeights();
    void secondFactorUniformInBothModes();
    void drawOrderIsTableFactorThenTableAgain();
    void noUsableTableDrawsNothing_data();
    void noUsableTableDrawsNothing();
    void choiceIsReadAtEachDraw();
};

void TestTableDraws::productsCoverTheWholeRange()
{
    const Tables all = allTables();
    const TableDrawer drawer = tablesOf(all);
    SystemRandom random(29);
    std::set<int> possible;
    for (int a = 0; a <= 10; ++a) {
        for (int b = 0; b <= 10; ++b)
            possible.insert(a * b);
    }
    Frequencies products;
    for (int i = 0; i < Draws; ++i) {
        const Multiplication problem = *drawer.draw(false, random);
        QVERIFY(problem.primoFattore >= 0 && problem.primoFattore <= 10);
        QVERIFY(problem.secondoFattore >= 0 && problem.secondoFattore <= 10);
        products.add(problem.product());
    }
    QCOMPARE(products.seen(), possible); // 0 to 100
}

void TestTableDraws::tableWeights_data()
{
    QTest::addColumn<bool>("factorMode");
    QTest::addColumn<Tables>("ticked");
    QTest::addColumn<Weights>("weights");

    Weights uniform;
    for (int t = 0; t <= 10; ++t)
        uniform[t] = 1.0;
    Weights factor;
    for (int t = 2; t <= 10; ++t)
        factor[t] = 1.0;
    factor[1] = 2.0; // a 0 drawn counts as 1

    QTest::newRow("product, all") << false << allTables() << uniform;
    QTest::newRow("factor, all") << true << allTables() << factor;
    QTest::newRow("product, 0 and 5") << false << Tables {0, 5} << Weights {{0, 1}, {5, 1}};
    QTest::newRow("factor, 0 and 5") << true << Tables {0, 5} << Weights {{5, 1}};
    QTest::newRow("factor, 1 and 4") << true << Tables {1, 4} << Weights {{1, 2}, {4, 1}};
    QTest::newRow("factor, all but 0") << true << Tables {1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << factor;
    QTest::newRow("product, 3 7 10")
        << false << Tables {3, 7, 10} << Weights {{3, 1}, {7, 1}, {10, 1}};
}

void TestTableDraws::tableWeights()
{
    QFETCH(bool, factorMode);
    QFETCH(Tables, ticked);
    QFETCH(Weights, weights);
    const TableDrawer drawer = tablesOf(ticked);
    SystemRandom random(31);
    Frequencies tables;
    for (int i = 0; i < Draws; ++i)
        tables.add(drawer.draw(factorMode, random)->primoFattore);
    QVERIFY(tables.follows(weights));
    QCOMPARE(tables.counts().size(), weights.size());
}

void TestTableDraws::secondFactorUniformInBothModes()
{
    const Tables all = allTables();
    const TableDrawer drawer = tablesOf(all);
    for (bool factorMode : {false, true}) {
        SystemRandom random(37);
        Frequencies factors;
        for (int i = 0; i < Draws; ++i)
            factors.add(drawer.draw(factorMode, random)->secondoFattore);
        QVERIFY(factors.uniformOver(Frequencies::range(0, 10)));
    }
}

void TestTableDraws::drawOrderIsTableFactorThenTableAgain()
{
    const Tables chosen {6, 9};
    const TableDrawer drawer = tablesOf(chosen);
    ScriptedRandom random;
    random.pushDraw(3, 11); // table 3: not chosen
    random.pushDraw(8, 11); // the second factor
    random.pushDraw(0, 11); // table 0: not chosen
    random.pushDraw(9, 11); // table 9
    const Multiplication problem = *drawer.draw(false, random);
    QCOMPARE(problem.primoFattore, 9);
    QCOMPARE(problem.secondoFattore, 8);
    QCOMPARE(random.draws(), 4);

    // A chosen first table: two draws only.
    ScriptedRandom again;
    again.pushDraw(6, 11);
    again.pushDraw(0, 11);
    const Multiplication first = *drawer.draw(true, again);
    QCOMPARE(first.primoFattore, 6);
    QCOMPARE(first.secondoFattore, 0);
    QCOMPARE(again.draws(), 2);

    // In factor mode a 0 drawn is the table 1.
    const Tables one {1};
    ScriptedRandom zero;
    zero.pushDraw(0, 11);
    zero.pushDraw(4, 11);
    QCOMPARE(tablesOf(one).draw(true, zero)->primoFattore, 1);
    QCOMPARE(zero.draws(), 2);
}

void TestTableDraws::noUsableTableDrawsNothing_data()
{
    QTest::addColumn<bool>("factorMode");
    QTest::addColumn<Tables>("ticked");
    QTest::newRow("product, nothing") << false << Tables {};
    QTest::newRow("factor, nothing") << true << Tables {};
    QTest::newRow("factor, only 0") << true << Tables {0};
}

void TestTableDraws::noUsableTableDrawsNothing()
{
    QFETCH(bool, factorMode);
    QFETCH(Tables, ticked);
    const TableDrawer drawer = tablesOf(ticked);
    ScriptedRandom random;
    QVERIFY(!drawer.canDraw(factorMode));
    QVERIFY(!drawer.draw(factorMode, random));
    QCOMPARE(random.draws(), 0);
}

void TestTableDraws::choiceIsReadAtEachDraw()
{
    Tables chosen {0};
    const TableDrawer drawer = tablesOf(chosen);
    SystemRandom random(41);
    QCOMPARE(drawer.draw(false, random)->primoFattore, 0);
    QVERIFY(!drawer.canDraw(true));
    chosen = {10};
    QVERIFY(drawer.canDraw(true));
    for (int i = 0; i < 100; ++i)
        QCOMPARE(drawer.draw(true, random)->primoFattore, 10);
}

QTEST_GUILESS_MAIN(TestTableDraws)
#include "tst_tabledraws.moc"
