// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form10.h"
#include "randomsource.h"
#include "screendriver.h"
#include "termspanelfixture.h"

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

// Whether the ticks allow a problem in the screen's present range.
bool usableTicked(const ExerciseScreen *screen)
{
    TermsPanel *panel = TermsPanelFixture::panelOf(screen);
    int lowest = 1;
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        lowest = form10->productMode() ? 0 : 1;
    for (int k = lowest; k <= TermsPanelFixture::lastItem(screen); ++k) {
        if (panel->item(k)->isChecked())
            return true;
    }
    return false;
}

} // namespace

// Which problems are drawn once the ticks change.
class TestTermsPanelDraws : public TermsPanelFixture
{
    Q_OBJECT

private slots:
    void tickChangeCountsFromNextDraw_data() { allSubjects(); }
    void tickChangeCountsFromNextDraw();
    void onlyOneUsableTerm_data();
    void onlyOneUsableTerm();
    void zeroHasNoEffect_data();
    void zeroHasNoEffect();
    void anyPathEndsAndHonoursTheTicks_data();
    void anyPathEndsAndHonoursTheTicks();
};

void TestTermsPanelDraws::tickChangeCountsFromNextDraw()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject, false);
    const int shown = term(form);
    TermsPanel *panel = openPanel(form);
    // Only 6 stays ticked, without "Conferma": the problem on display stays.
    tickOnly(panel, {6}, lastItem(form));
    QCOMPARE(term(form), shown);

    // The right answer poses the next problem: 2 is drawn first and refused.
    ScriptedRandom &random = m_env->random;
    random.pushDraw(0, 4); // the right sound
    random.pushDraw(4, 18);
    switch (subject) {
    case Subject::Form1:
        random.pushDraw(2 - 1, 9);
        random.pushDraw(6 - 1, 9);
        random.pushDraw(3, 9);
        break;
    case Subject::Form3:
        random.pushDraw(2 - 1, 9);
        random.pushDraw(6 - 1, 9);
        random.pushDraw(3, 10);
        random.pushDraw(1, 6);
        break;
    default:
        random.pushDraw(2, 11);
        random.pushDraw(3, 11); // the second factor
        random.pushDraw(6, 11);
        break;
    }
    const int scripted = random.pending();
    const int before = random.draws();
    solve(form);
    QCOMPARE(random.draws() - before, scripted);
    QCOMPARE(term(form), 6);
    QVERIFY(panel->isVisible());
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
}

void TestTermsPanelDraws::onlyOneUsableTerm_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<Terms>("ticked");
    QTest::addColumn<int>("expected");
    QTest::newRow("Form1, only 7") << Subject::Form1 << Terms {7} << 7;
    QTest::newRow("Form1, 0 and 7") << Subject::Form1 << Terms {0, 7} << 7;
    QTest::newRow("Form3, only 7") << Subject::Form3 << Terms {7} << 7;
    QTest::newRow("Form3, 0 and 7") << Subject::Form3 << Terms {0, 7} << 7;
    QTest::newRow("Form10 factor, 0 and 5") << Subject::Form10Factor << Terms {0, 5} << 5;
    QTest::newRow("Form10 product, only 0") << Subject::Form10Product << Terms {0} << 0;
}

void TestTermsPanelDraws::onlyOneUsableTerm()
{
    QFETCH(Subject, subject);
    QFETCH(Terms, ticked);
    QFETCH(int, expected);
    ExerciseScreen *form = open(subject, false);
    TermsPanel *panel = openPanel(form);
    tickOnly(panel, ticked, lastItem(form));
    confirm(panel);
    QVERIFY(panel->isHidden());
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(term(form), expected);
        solve(form);
    }
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 40"));
}

void TestTermsPanelDraws::zeroHasNoEffect_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("expected");
    QTest::newRow("Form1") << Subject::Form1 << 4 << 4;
    QTest::newRow("Form3") << Subject::Form3 << 4 << 4;
    // A 0 drawn in factor mode is the table 1: the item "0" is never asked.
    QTest::newRow("Form10 factor") << Subject::Form10Factor << 0 << 1;
}

void TestTermsPanelDraws::zeroHasNoEffect()
{
    QFETCH(Subject, subject);
    QFETCH(int, drawn);
    QFETCH(int, expected);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = openPanel(form);
    tick(panel, 0, false);
    QVERIFY(panel->confirmButton()->isEnabled());
    scriptProblem(subject, drawn);
    const int pending = m_env->random.pending();
    const int before = m_env->random.draws();
    confirm(panel);
    QCOMPARE(term(form), expected);
    QCOMPARE(m_env->random.draws() - before, pending); // no candidate refused
}

void TestTermsPanelDraws::anyPathEndsAndHonoursTheTicks_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<int>("seed");
    QTest::newRow("Form1, waits") << Subject::Form1 << true << 1;
    QTest::newRow("Form1, goes on") << Subject::Form1 << false << 2;
    QTest::newRow("Form3, waits") << Subject::Form3 << true << 3;
    QTest::newRow("Form3, goes on") << Subject::Form3 << false << 4;
    QTest::newRow("Form10, waits") << Subject::Form10Factor << true << 5;
    QTest::newRow("Form10, goes on") << Subject::Form10Factor << false << 6;
}

void TestTermsPanelDraws::anyPathEndsAndHonoursTheTicks()
{
    // A long random run of everything a child can do with the panel and the
    // exercise beneath it. Every step returns (nothing hangs); whenever the
    // panel is closed, the problem on display uses a ticked term.
    QFETCH(Subject, subject);
    QFETCH(bool, wait);
    QFETCH(int, seed);
    ExerciseScreen *form = open(subject, wait);
    TermsPanel *panel = panelOf(form);
    auto *form10 = qobject_cast<Form10 *>(form);
    const int last = lastItem(form);
    SystemRandom child(seed);

    int confirmed = 0;
    for (int step = 0; step < 600; ++step) {
        switch (child.draw(form10 ? 8 : 7)) {
        case 0:
            trigger(form, last == 10 ? "MenuNumeroMassimo" : "mnuTermini");
            break;
        case 1:
        case 2:
            if (panel->isVisible())
                panel->item(child.draw(last + 1))->click();
            break;
        case 3:
            if (panel->confirmButton()->isEnabled())
                ++confirmed;
            confirm(panel);
            break;
        case 4:
            solve(form);
            break;
        case 5:
            answer(firstBox(form), QStringLiteral("99"));
            break;
        case 6:
            clickAvanti(form);
            break;
        case 7:
            trigger(form, child.draw(2) ? "MenuProdotto" : "MenuFattore");
            break;
        }
        if (panel->isVisible())
            QCOMPARE(panel->confirmButton()->isEnabled(), usableTicked(form));
        if (panel->isHidden()) {
            QVERIFY(panel->isChosen(term(form)));
            QVERIFY(anyAnswerBoxEnabled(form) || form->bottoneAvanti()->isEnabled());
            if (form10 && form10->factorMode())
                QVERIFY(term(form) >= 1);
        }
    }
    QVERIFY(confirmed > 10);
}

QTEST_MAIN(TestTermsPanelDraws)
#include "tst_termspaneldraws.moc"
