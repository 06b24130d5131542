// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drillhelpers.h"
#include "form1.h"
#include "form10.h"
#include "form3.h"
#include "randomsource.h"
#include "sharedvalues.h"

using namespace Quozzoli;
using namespace Drill;

// The screens that carry the panel; the times tables in either mode.
enum class Subject { Form1, Form3, Form10Factor, Form10Product };
using Terms = std::set<int>;

Q_DECLARE_METATYPE(Subject)
Q_DECLARE_METATYPE(Terms)

namespace {

int lastItem(const ExerciseScreen *screen)
{
    return qobject_cast<const Form10 *>(screen) ? 10 : 9;
}

TermsPanel *panelOf(const ExerciseScreen *screen)
{
    return screen->findChild<TermsPanel *>(QStringLiteral("CorniceNumeroMassimo"));
}

QString problemText(const ExerciseScreen *screen)
{
    return qobject_cast<const Form10 *>(screen) ? labelText(screen, "EtichettaNumero")
                                                : labelText(screen, "EtNumero");
}

// The divisor, or the table, of the problem on display.
int term(const ExerciseScreen *screen)
{
    if (auto *form3 = qobject_cast<const Form3 *>(screen))
        return form3->problem().divisor;
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        return form10->problem().primoFattore;
    return shared().divisore;
}

// The box the problem is answered in first.
AnswerBox *firstBox(const ExerciseScreen *screen)
{
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        return box(screen, form10->productMode() ? "Text1" : "Text2");
    return box(screen, "Text1");
}

bool anyAnswerBoxEnabled(const ExerciseScreen *screen)
{
    for (const char *name : {"Text1", "Text2"}) {
        AnswerBox *b = box(screen, name);
        if (b && b->isEnabled() && !b->isHidden())
            return true;
    }
    return false;
}

// Types the right answer of the problem on display, as far as the boxes take it.
void solve(const ExerciseScreen *screen)
{
    if (auto *form3 = qobject_cast<const Form3 *>(screen)) {
        answer(box(screen, "Text1"), QString::number(form3->problem().quotient));
        answer(box(screen, "Text2"), QString::number(form3->problem().remainder));
    } else if (auto *form10 = qobject_cast<const Form10 *>(screen)) {
        const Multiplication &p = form10->problem();
        answer(firstBox(screen),
               QString::number(form10->productMode() ? p.product() : p.secondoFattore));
    } else {
        answer(box(screen, "Text1"), QString::number(shared().quoziente));
    }
}

// Whether the ticks allow a problem in the screen's present range.
bool usableTicked(const ExerciseScreen *screen)
{
    TermsPanel *panel = panelOf(screen);
    int lowest = 1;
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        lowest = form10->productMode() ? 0 : 1;
    for (int k = lowest; k <= lastItem(screen); ++k) {
        if (panel->item(k)->isChecked())
            return true;
    }
    return false;
}

} // namespace

class TestTermsPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layout_data();
    void layout();
    void openingKeepsEverything_data();
    void openingKeepsEverything();
    void confirmWithoutChangesPosesNewProblem_data();
    void confirmWithoutChangesPosesNewProblem();
    void confirmWhileAvantiWaits_data();
    void confirmWhileAvantiWaits();
    void confirmNeedsAUsableTerm_data();
    void confirmNeedsAUsableTerm();
    void tickChangeCountsFromNextDraw_data();
    void tickChangeCountsFromNextDraw();
    void onlyOneUsableTerm_data();
    void onlyOneUsableTerm();
    void zeroHasNoEffect_data();
    void zeroHasNoEffect();
    void solvedWhileNothingUsable_data();
    void solvedWhileNothingUsable();
    void anyPathEndsAndHonoursTheTicks_data();
    void anyPathEndsAndHonoursTheTicks();

private:
    ExerciseScreen *open(Subject subject, bool wait = true);
    // The next problem, with the given term drawn at the first try.
    void scriptProblem(Subject subject, int term);
    void allSubjects();

    std::unique_ptr<TestEnvironment> m_env;
};

void TestTermsPanel::init()
{
    m_env.reset();
    m_env = std::make_unique<TestEnvironment>();
}

ExerciseScreen *TestTermsPanel::open(Subject subject, bool wait)
{
    shared().attendiBottone = wait;
    switch (subject) {
    case Subject::Form1:
        return m_env->open<Form1>(ScreenId::Form1);
    case Subject::Form3:
        return m_env->open<Form3>(ScreenId::Form3);
    case Subject::Form10Factor:
        return m_env->open<Form10>(ScreenId::Form10);
    case Subject::Form10Product: {
        auto *form = m_env->open<Form10>(ScreenId::Form10);
        trigger(form, "MenuProdotto");
        return form;
    }
    }
    return nullptr;
}

void TestTermsPanel::scriptProblem(Subject subject, int term)
{
    ScriptedRandom &random = m_env->random;
    random.pushDraw(4, 18);
    switch (subject) {
    case Subject::Form1:
        random.pushDraw(term - 1, 9);
        random.pushDraw(3, 9);
        break;
    case Subject::Form3:
        random.pushDraw(term - 1, 9);
        random.pushDraw(3, 10);
        random.pushDraw(0, term);
        break;
    case Subject::Form10Factor:
    case Subject::Form10Product:
        random.pushDraw(term, 11);
        random.pushDraw(3, 11);
        break;
    }
}

void TestTermsPanel::allSubjects()
{
    QTest::addColumn<Subject>("subject");
    QTest::newRow("Form1") << Subject::Form1;
    QTest::newRow("Form3") << Subject::Form3;
    QTest::newRow("Form10 factor") << Subject::Form10Factor;
    QTest::newRow("Form10 product") << Subject::Form10Product;
}

void TestTermsPanel::layout_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("last");
    QTest::newRow("Form1") << Subject::Form1 << "mnuTermini" << 9;
    QTest::newRow("Form3") << Subject::Form3 << "mnuTermini" << 9;
    QTest::newRow("Form10") << Subject::Form10Factor << "MenuNumeroMassimo" << 10;
}

void TestTermsPanel::layout()
{
    QFETCH(Subject, subject);
    QFETCH(QString, menuItem);
    QFETCH(int, last);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    QVERIFY(panel);
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->title(), QStringLiteral("Scegli i termini da utilizzare"));
    QCOMPARE(form->canvas()->designRect(panel), QRect(0, 0, 10455, 8055));
    QCOMPARE(panel->findChildren<QCheckBox *>().size(), last + 1);
    for (int k = 0; k <= last; ++k) {
        QCheckBox *item = panel->findChild<QCheckBox *>(QStringLiteral("OpPrimo_%1").arg(k));
        QVERIFY(item);
        QCOMPARE(item, panel->item(k));
        QCOMPARE(item->text(), QString::number(k));
        QVERIFY(item->isChecked());
        QCOMPARE(form->canvas()->designRect(item), QRect(840, 360 + 480 * k, 2655, 495));
        QVERIFY(item->font().bold());
    }
    QPushButton *confirm = panel->findChild<QPushButton *>(QStringLiteral("Command3D2"));
    QCOMPARE(confirm, panel->confirmButton());
    QCOMPARE(confirm->text(), QStringLiteral("Conferma"));
    QCOMPARE(form->canvas()->designRect(confirm), QRect(4320, 3960, 3255, 1455));
    QVERIFY(confirm->isEnabled());

    form->menuAction(menuItem)->trigger();
    QVERIFY(panel->isVisible());
}

void TestTermsPanel::openingKeepsEverything_data()
{
    allSubjects();
}

void TestTermsPanel::openingKeepsEverything()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    AnswerBox *answerBox = firstBox(form);
    answer(answerBox, QStringLiteral("99")); // never right on these screens
    QTest::keyClicks(answerBox, QStringLiteral("1"));

    const QString problem = problemText(form);
    const QColor colour = form->background();
    const int draws = m_env->random.draws();
    const int sounds = m_env->sound.played().size();

    for (int time = 0; time < 2; ++time) {
        trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
        QVERIFY(panel->isVisible());
        QCOMPARE(form->canvas()->designRect(panel).topLeft(), QPoint(0, 0));
        // Above the exercise: what lies under the answer box is the panel.
        QWidget *top = form->canvas()->childAt(answerBox->geometry().center());
        QVERIFY(top == panel || panel->isAncestorOf(top));
        // Keys now reach the panel, never the covered box.
        QVERIFY(panel->isAncestorOf(form->focusWidget()));
        QTest::keyClicks(form->focusWidget(), QStringLiteral("5"));

        QCOMPARE(problemText(form), problem);
        QCOMPARE(answerBox->text(), QStringLiteral("991"));
        QVERIFY(answerBox->isEnabled());
        QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));
        QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral("0"));
        QCOMPARE(face(form), QStringLiteral("no"));
        QVERIFY(!form->bottoneAvanti()->isEnabled());
        QCOMPARE(form->background(), colour);
        QCOMPARE(m_env->random.draws(), draws);
        QCOMPARE(m_env->sound.played().size(), sounds);
    }
}

void TestTermsPanel::confirmWithoutChangesPosesNewProblem_data()
{
    allSubjects();
}

void TestTermsPanel::confirmWithoutChangesPosesNewProblem()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    answer(firstBox(form), QStringLiteral("99"));
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    const QString before = problemText(form);
    scriptProblem(subject, 5);
    confirm(panel);

    QVERIFY(panel->isHidden());
    QCOMPARE(term(form), 5);
    QVERIFY(problemText(form) != before);
    QCOMPARE(problemText(form).left(3),
             subject == Subject::Form1       ? QStringLiteral(" 15")
                 : subject == Subject::Form3 ? QStringLiteral(" 15")
                                             : QStringLiteral(" 5 "));
    AnswerBox *answerBox = firstBox(form);
    QVERIFY(answerBox->text().isEmpty());
    QVERIFY(answerBox->isEnabled());
    QCOMPARE(form->focusWidget(), answerBox);
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(face(form), QStringLiteral("no"));
}

void TestTermsPanel::confirmWhileAvantiWaits_data()
{
    allSubjects();
}

void TestTermsPanel::confirmWhileAvantiWaits()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject, true);
    solve(form);
    QVERIFY(form->bottoneAvanti()->isEnabled());
    QVERIFY(!anyAnswerBoxEnabled(form));

    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    scriptProblem(subject, 3);
    confirm(panelOf(form));
    QCOMPARE(term(form), 3);
    QVERIFY(firstBox(form)->isEnabled());
    QCOMPARE(form->focusWidget(), firstBox(form));
    // "avanti" is left as it was, and poses one more problem.
    QVERIFY(form->bottoneAvanti()->isEnabled());
    scriptProblem(subject, 8);
    clickAvanti(form);
    QCOMPARE(term(form), 8);
    QVERIFY(!form->bottoneAvanti()->isEnabled());
    QVERIFY(firstBox(form)->isEnabled());
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
}

void TestTermsPanel::confirmNeedsAUsableTerm_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<Terms>("ticked");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Form1, nothing") << Subject::Form1 << Terms {} << false;
    QTest::newRow("Form1, only 0") << Subject::Form1 << Terms {0} << false;
    QTest::newRow("Form1, only 9") << Subject::Form1 << Terms {9} << true;
    QTest::newRow("Form1, all but 0")
        << Subject::Form1 << Terms {1, 2, 3, 4, 5, 6, 7, 8, 9} << true;
    QTest::newRow("Form3, only 0") << Subject::Form3 << Terms {0} << false;
    QTest::newRow("Form3, 0 and 1") << Subject::Form3 << Terms {0, 1} << true;
    QTest::newRow("Form10 factor, nothing") << Subject::Form10Factor << Terms {} << false;
    QTest::newRow("Form10 factor, only 0") << Subject::Form10Factor << Terms {0} << false;
    QTest::newRow("Form10 factor, only 10") << Subject::Form10Factor << Terms {10} << true;
    QTest::newRow("Form10 product, only 0") << Subject::Form10Product << Terms {0} << true;
    QTest::newRow("Form10 product, nothing") << Subject::Form10Product << Terms {} << false;
}

void TestTermsPanel::confirmNeedsAUsableTerm()
{
    QFETCH(Subject, subject);
    QFETCH(Terms, ticked);
    QFETCH(bool, enabled);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    tickOnly(panel, ticked, lastItem(form));
    QCOMPARE(panel->confirmButton()->isEnabled(), enabled);

    const QString before = problemText(form);
    const int draws = m_env->random.draws();
    confirm(panel);
    QCOMPARE(panel->isHidden(), enabled);
    if (!enabled) {
        QCOMPARE(problemText(form), before);
        QCOMPARE(m_env->random.draws(), draws);
        // Ticking any usable term enables it again.
        tick(panel, lastItem(form), true);
        QVERIFY(panel->confirmButton()->isEnabled());
    }
}

void TestTermsPanel::tickChangeCountsFromNextDraw_data()
{
    allSubjects();
}

void TestTermsPanel::tickChangeCountsFromNextDraw()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject, false);
    TermsPanel *panel = panelOf(form);
    const int shown = term(form);
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
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

void TestTermsPanel::onlyOneUsableTerm_data()
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

void TestTermsPanel::onlyOneUsableTerm()
{
    QFETCH(Subject, subject);
    QFETCH(Terms, ticked);
    QFETCH(int, expected);
    ExerciseScreen *form = open(subject, false);
    TermsPanel *panel = panelOf(form);
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    tickOnly(panel, ticked, lastItem(form));
    confirm(panel);
    QVERIFY(panel->isHidden());
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(term(form), expected);
        solve(form);
    }
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 40"));
}

void TestTermsPanel::zeroHasNoEffect_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("expected");
    QTest::newRow("Form1") << Subject::Form1 << 4 << 4;
    QTest::newRow("Form3") << Subject::Form3 << 4 << 4;
    // A 0 drawn in factor mode is the table 1: the item "0" is never asked.
    QTest::newRow("Form10 factor") << Subject::Form10Factor << 0 << 1;
}

void TestTermsPanel::zeroHasNoEffect()
{
    QFETCH(Subject, subject);
    QFETCH(int, drawn);
    QFETCH(int, expected);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    tick(panel, 0, false);
    QVERIFY(panel->confirmButton()->isEnabled());
    scriptProblem(subject, drawn);
    const int pending = m_env->random.pending();
    const int before = m_env->random.draws();
    confirm(panel);
    QCOMPARE(term(form), expected);
    QCOMPARE(m_env->random.draws() - before, pending); // no candidate refused
}

void TestTermsPanel::solvedWhileNothingUsable_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<bool>("wait");
    for (auto [name, subject] :
         {std::pair {"Form1", Subject::Form1}, std::pair {"Form3", Subject::Form3},
          std::pair {"Form10 factor", Subject::Form10Factor},
          std::pair {"Form10 product", Subject::Form10Product}}) {
        QTest::addRow("%s, waits", name) << subject << true;
        QTest::addRow("%s, goes on", name) << subject << false;
    }
}

void TestTermsPanel::solvedWhileNothingUsable()
{
    // The panel only covers the exercise: the keyboard still reaches the
    // answer box and "avanti" beneath it.
    QFETCH(Subject, subject);
    QFETCH(bool, wait);
    ExerciseScreen *form = open(subject, wait);
    TermsPanel *panel = panelOf(form);
    trigger(form, lastItem(form) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    tickOnly(panel, {}, lastItem(form));
    QVERIFY(!panel->confirmButton()->isEnabled());

    const int before = m_env->random.draws();
    solve(form);
    if (wait)
        clickAvanti(form);
    // Counted once, with its sound; no problem can be drawn, so none is.
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
    QCOMPARE(m_env->random.draws() - before, 1);
    QVERIFY(panel->isVisible());
    QVERIFY(!anyAnswerBoxEnabled(form));
    QVERIFY(!form->bottoneAvanti()->isEnabled());
    solve(form);
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral("0"));

    tick(panel, 4, true);
    QVERIFY(panel->confirmButton()->isEnabled());
    confirm(panel);
    QVERIFY(panel->isHidden());
    QCOMPARE(term(form), 4);
    QVERIFY(firstBox(form)->isEnabled());
    QCOMPARE(form->focusWidget(), firstBox(form));
}

void TestTermsPanel::anyPathEndsAndHonoursTheTicks_data()
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

void TestTermsPanel::anyPathEndsAndHonoursTheTicks()
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

QTEST_MAIN(TestTermsPanel)
#include "tst_termspanel.moc"
