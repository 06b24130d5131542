// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screendriver.h"
#include "termspanelfixture.h"

using namespace Quozzoli;
using namespace ScreenDriver;

// How the panel opens over the exercise, and what "Conferma" does.
class TestTermsPanel : public TermsPanelFixture
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void openingKeepsEverything_data() { allSubjects(); }
    void openingKeepsEverything();
    void confirmWithoutChangesPosesNewProblem_data() { allSubjects(); }
    void confirmWithoutChangesPosesNewProblem();
    void confirmWhileAvantiWaits_data() { allSubjects(); }
    void confirmWhileAvantiWaits();
    void confirmNeedsAUsableTerm_data();
    void confirmNeedsAUsableTerm();
    void solvedWhileNothingUsable_data() { allSubjects(true); }
    void solvedWhileNothingUsable();
};

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

void TestTermsPanel::openingKeepsEverything()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject);
    TermsPanel *panel = panelOf(form);
    AnswerBox *answerBox = firstBox(form);
    answer(answerBox, QStringLiteral("99")); // never right on these screens
    QTest::keyClicks(answerBox, QStringLiteral("1"));

    const QString problem = problemLabel(form)->text();
    const QColor colour = form->background();
    const int draws = m_env->random.draws();
    const int sounds = m_env->sound.played().size();

    for (int time = 0; time < 2; ++time) {
        openPanel(form);
        QVERIFY(panel->isVisible());
        QCOMPARE(form->canvas()->designRect(panel).topLeft(), QPoint(0, 0));
        // Above the exercise: what lies under the answer box is the panel.
        QWidget *top = form->canvas()->childAt(answerBox->geometry().center());
        QVERIFY(top == panel || panel->isAncestorOf(top));
        // Keys now reach the panel, never the covered box.
        QVERIFY(panel->isAncestorOf(form->focusWidget()));
        QTest::keyClicks(form->focusWidget(), QStringLiteral("5"));

        QCOMPARE(problemLabel(form)->text(), problem);
        QCOMPARE(answerBox->text(), QStringLiteral("991"));
        QVERIFY(answerBox->isEnabled());
        QCOMPARE(counts(form), QStringList({"0", " 1"}));
        QCOMPARE(face(form), QStringLiteral("no"));
        QVERIFY(!form->bottoneAvanti()->isEnabled());
        QCOMPARE(form->background(), colour);
        QCOMPARE(m_env->random.draws(), draws);
        QCOMPARE(m_env->sound.played().size(), sounds);
    }
}

void TestTermsPanel::confirmWithoutChangesPosesNewProblem()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject);
    answer(firstBox(form), QStringLiteral("99"));
    TermsPanel *panel = openPanel(form);
    const QString before = problemLabel(form)->text();
    scriptProblem(subject, 5);
    confirm(panel);

    QVERIFY(panel->isHidden());
    QCOMPARE(term(form), 5);
    QVERIFY(problemLabel(form)->text() != before);
    QCOMPARE(problemLabel(form)->text().left(3),
             subject == Subject::Form1       ? QStringLiteral(" 15")
                 : subject == Subject::Form3 ? QStringLiteral(" 15")
                                             : QStringLiteral(" 5 "));
    AnswerBox *answerBox = firstBox(form);
    QVERIFY(answerBox->text().isEmpty());
    QVERIFY(answerBox->isEnabled());
    QCOMPARE(form->focusWidget(), answerBox);
    QCOMPARE(counts(form), QStringList({"0", " 1"}));
    QCOMPARE(face(form), QStringLiteral("no"));
}

void TestTermsPanel::confirmWhileAvantiWaits()
{
    QFETCH(Subject, subject);
    ExerciseScreen *form = open(subject, true);
    solve(form);
    QVERIFY(form->bottoneAvanti()->isEnabled());
    QVERIFY(!anyAnswerBoxEnabled(form));

    openPanel(form);
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
    TermsPanel *panel = openPanel(form);
    tickOnly(panel, ticked, lastItem(form));
    QCOMPARE(panel->confirmButton()->isEnabled(), enabled);

    const QString before = problemLabel(form)->text();
    const int draws = m_env->random.draws();
    confirm(panel);
    QCOMPARE(panel->isHidden(), enabled);
    if (!enabled) {
        QCOMPARE(problemLabel(form)->text(), before);
        QCOMPARE(m_env->random.draws(), draws);
        // Ticking any usable term enables it again.
        tick(panel, lastItem(form), true);
        QVERIFY(panel->confirmButton()->isEnabled());
    }
}

void TestTermsPanel::solvedWhileNothingUsable()
{
    // The panel only covers the exercise: the keyboard still reaches the
    // answer box and "avanti" beneath it.
    QFETCH(Subject, subject);
    QFETCH(bool, wait);
    ExerciseScreen *form = open(subject, wait);
    TermsPanel *panel = openPanel(form);
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
    QCOMPARE(counts(form), QStringList({" 1", "0"}));

    tick(panel, 4, true);
    QVERIFY(panel->confirmButton()->isEnabled());
    confirm(panel);
    QVERIFY(panel->isHidden());
    QCOMPARE(term(form), 4);
    QVERIFY(firstBox(form)->isEnabled());
    QCOMPARE(form->focusWidget(), firstBox(form));
}

QTEST_MAIN(TestTermsPanel)
#include "tst_termspanel.moc"
