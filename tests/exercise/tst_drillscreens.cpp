// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the one-digit screens and the times tables do alike: how they open,
// how they take wrong and empty answers, and how "Esci" leaves them.
#include "environmentpertest.h"
#include "form10.h"
#include "form3.h"
#include "screendriver.h"
#include "sharedvalues.h"

#include <functional>

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

using Terms = QList<int>;

// How a screen's problem is scripted: a division (the divisor, the quotient
// and, with a remainder, the remainder) or a table (the table, the factor).
enum class Problem { Division, Factor, Product };

// A drill screen as these tests drive it.
struct DrillScreen
{
    ScreenId id;
    Problem problem;
    const char *problemLabel;
    QStringList boxes; // the boxes of a problem, in the order they are filled
    QStringList hiddenBoxes;
    const char *termsItem;
    int lastTerm;
    bool ownCounts = false; // the screen keeps its counts to itself
    bool clearsCountsOnExit = false;
    int seedsPerVisit = 0;
};

const DrillScreen Form1Drill(ScreenId::Form1, Problem::Division, "EtNumero", {"Text1"}, {},
                             "mnuTermini", 9);
const DrillScreen Form3Drill(ScreenId::Form3, Problem::Division, "EtNumero", {"Text1", "Text2"}, {},
                             "mnuTermini", 9, true, false, 1);
const DrillScreen Form10FactorDrill(ScreenId::Form10, Problem::Factor, "EtichettaNumero", {"Text2"},
                                    {"Text1"}, "MenuNumeroMassimo", 10, false, true);
const DrillScreen Form10ProductDrill(ScreenId::Form10, Problem::Product, "EtichettaNumero",
                                     {"Text1"}, {"Text2"}, "MenuNumeroMassimo", 10, false, true);

void script(TestEnvironment &env, Problem problem, const Terms &terms, int colour)
{
    env.random.pushDraw(colour, 18);
    if (problem != Problem::Division) {
        env.random.pushDraw(terms.at(0), 11);
        env.random.pushDraw(terms.at(1), 11);
        return;
    }
    env.random.pushDraw(terms.at(0) - 1, 9);
    env.random.pushDraw(terms.at(1), terms.size() > 2 ? 10 : 9);
    if (terms.size() > 2)
        env.random.pushDraw(terms.at(2), terms.at(0));
}

// The screen open on the problem of these terms, with this background.
ExerciseScreen *open(TestEnvironment &env, const DrillScreen &drill, const Terms &terms,
                     bool wait = true, int colour = 0)
{
    shared().attendiBottone = wait;
    switch (drill.problem) {
    case Problem::Division:
        script(env, drill.problem, terms, colour);
        return env.open<ExerciseScreen>(drill.id);
    case Problem::Factor:
        // The factor mode poses one problem, the activation another.
        script(env, drill.problem, {3, 4}, 0);
        script(env, drill.problem, terms, colour);
        return env.open<ExerciseScreen>(drill.id);
    case Problem::Product:
        break;
    }
    auto *form = env.open<ExerciseScreen>(drill.id);
    script(env, drill.problem, terms, colour);
    trigger(form, "MenuProdotto");
    return form;
}

AnswerBox *firstBox(const ExerciseScreen *form, const DrillScreen &drill)
{
    return box(form, qPrintable(drill.boxes.first()));
}

using Details = std::function<void(ExerciseScreen *)>;

} // namespace

Q_DECLARE_METATYPE(const DrillScreen *)
Q_DECLARE_METATYPE(Details)

class TestDrillScreens : public EnvironmentPerTest
{
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void rightAnswer_data();
    void rightAnswer();
    void wrongAnswers_data();
    void wrongAnswers();
    void enterOnEmptyBoxDoesNothing_data();
    void enterOnEmptyBoxDoesNothing();
    void esci_data();
    void esci();
};

void TestDrillScreens::opening_data()
{
    QTest::addColumn<const DrillScreen *>("drill");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("draws");
    QTest::addColumn<Details>("details");
    QTest::addColumn<bool>("wait");
    for (bool wait : {true, false}) {
        const char *how = wait ? ", waits for avanti" : ", goes on at once";
        QTest::addRow("Form1%s", how) << &Form1Drill << Terms {7, 8} << 2 << QColor(255, 0, 0)
                                      << " 56 :  7 = " << 3 << Details([](ExerciseScreen *) {
                                             QCOMPARE(shared().dividendo, 56);
                                             QCOMPARE(shared().divisore, 7);
                                             QCOMPARE(shared().quoziente, 8);
                                         })
                                      << wait;
        QTest::addRow("Form3%s", how)
            << &Form3Drill << Terms {6, 7, 5} << 2 << QColor(255, 0, 0) << " 47 :  6 =    " << 4
            << Details([](ExerciseScreen *form) {
                   QCOMPARE(labelText(form, "Label3"), QStringLiteral("R."));
                   QCOMPARE(static_cast<Form3 *>(form)->problem().quotient, 7);
                   QCOMPARE(static_cast<Form3 *>(form)->problem().remainder, 5);
               })
            << wait;
        QTest::addRow("Form10%s", how)
            << &Form10FactorDrill << Terms {7, 6} << 5 << QColor(255, 255, 192)
            << " 7 x        = 42" << 6 << Details([](ExerciseScreen *screen) {
                   auto *form = static_cast<Form10 *>(screen);
                   QCOMPARE(form->problem().primoFattore, 7);
                   QVERIFY(form->factorMode());
                   QVERIFY(!form->productMode());
                   QVERIFY(form->menuAction(QStringLiteral("MenuFattore"))->isChecked());
                   QVERIFY(!form->menuAction(QStringLiteral("MenuProdotto"))->isChecked());
                   auto *caption = form->findChild<QLabel *>(QStringLiteral("EtichettaNumero"));
                   QVERIFY(caption->autoFillBackground());
                   QCOMPARE(caption->palette().color(QPalette::Window), QColor(0, 255, 255));
               })
            << wait;
    }
}

void TestDrillScreens::opening()
{
    QFETCH(const DrillScreen *, drill);
    QFETCH(Terms, terms);
    QFETCH(int, colour);
    QFETCH(QColor, background);
    QFETCH(QString, problem);
    QFETCH(int, draws);
    QFETCH(Details, details);
    QFETCH(bool, wait);
    // Counts left behind by another screen.
    shared().numeroEsatti.increment();
    shared().numeroErrati.increment();
    auto *form = open(*m_env, *drill, terms, wait, colour);

    QCOMPARE(labelText(form, drill->problemLabel), problem);
    QCOMPARE(form->background(), background);
    QCOMPARE(m_env->random.draws(), draws);
    QCOMPARE(m_env->random.seeds(), drill->seedsPerVisit);
    details(form);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(counts(form), QStringList({"0", "0"}));
    const int leftBehind = drill->ownCounts ? 1 : 0;
    QCOMPARE(shared().numeroEsatti.value(), leftBehind);
    QCOMPARE(shared().numeroErrati.value(), leftBehind);
    QCOMPARE(face(form), QStringLiteral("both"));
    QCOMPARE(form->bottoneAvanti()->isHidden(), !wait);
    QVERIFY(!form->bottoneAvanti()->isEnabled());

    for (const QString &name : drill->boxes) {
        AnswerBox *answerBox = box(form, qPrintable(name));
        QCOMPARE(answerBox->isEnabled(), name == drill->boxes.first());
        QVERIFY(answerBox->text().isEmpty());
        QVERIFY(!answerBox->isHidden());
    }
    for (const QString &name : drill->hiddenBoxes)
        QVERIFY(box(form, qPrintable(name))->isHidden());
    QCOMPARE(form->focusWidget(), firstBox(form, *drill));
    auto *panel = form->findChild<TermsPanel *>();
    QVERIFY(panel->isHidden());
    QVERIFY(allTicked(panel, drill->lastTerm));
    QVERIFY(m_env->sound.played().isEmpty());
}

void TestDrillScreens::rightAnswer_data()
{
    QTest::addColumn<const DrillScreen *>("drill");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("right");
    QTest::addColumn<Terms>("next");
    QTest::addColumn<QString>("nextProblem");
    QTest::addColumn<bool>("wait");
    for (bool wait : {true, false}) {
        const char *how = wait ? ", waits for avanti" : ", goes on at once";
        QTest::addRow("Form1%s", how) << &Form1Drill << Terms {7, 8} << " 56 :  7 = "
                                      << "8" << Terms {3, 0} << " 0 :  3 = " << wait;
        QTest::addRow("Form10, product%s", how)
            << &Form10ProductDrill << Terms {7, 6} << " 7 x  6 ="
            << "42" << Terms {9, 8} << " 9 x  8 =" << wait;
        QTest::addRow("Form10, factor%s", how)
            << &Form10FactorDrill << Terms {7, 6} << " 7 x        = 42"
            << "6" << Terms {9, 8} << " 9 x        = 72" << wait;
    }
}

void TestDrillScreens::rightAnswer()
{
    QFETCH(const DrillScreen *, drill);
    QFETCH(Terms, terms);
    QFETCH(QString, problem);
    QFETCH(QString, right);
    QFETCH(Terms, next);
    QFETCH(QString, nextProblem);
    QFETCH(bool, wait);
    auto *form = open(*m_env, *drill, terms, wait);
    AnswerBox *answerBox = firstBox(form, *drill);
    QCOMPARE(labelText(form, drill->problemLabel), problem);
    m_env->random.pushDraw(2, 4); // the right sound
    if (!wait)
        script(*m_env, drill->problem, next, 0);

    answer(answerBox, right);
    QCOMPARE(counts(form), QStringList({" 1", "0"}));
    QCOMPARE(shared().numeroEsatti.value(), 1);
    QCOMPARE(face(form), QStringLiteral("si"));
    QCOMPARE(m_env->sound.relativePaths(), QStringList {QStringLiteral(R"(\suoni\si3.wav)")});
    QCOMPARE(m_env->sound.played().size(), 1);
    if (wait) {
        // The problem stays, the box takes nothing more until "avanti".
        QCOMPARE(labelText(form, drill->problemLabel), problem);
        QVERIFY(!answerBox->isEnabled());
        QVERIFY(form->bottoneAvanti()->isEnabled());
        answer(answerBox, right);
        QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
        QCOMPARE(m_env->sound.played().size(), 1);
        script(*m_env, drill->problem, next, 0);
        clickAvanti(form);
        QVERIFY(!form->bottoneAvanti()->isEnabled());
    }
    QCOMPARE(form->bottoneAvanti()->isHidden(), !wait);
    QCOMPARE(labelText(form, drill->problemLabel), nextProblem);
    QVERIFY(answerBox->isEnabled());
    QVERIFY(answerBox->text().isEmpty());
    QVERIFY(!answerBox->isHidden());
    for (const QString &name : drill->hiddenBoxes)
        QVERIFY(box(form, qPrintable(name))->isHidden());
    QCOMPARE(form->focusWidget(), answerBox);
    // The face of the solved problem stays.
    QCOMPARE(face(form), QStringLiteral("si"));
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
}

void TestDrillScreens::wrongAnswers_data()
{
    QTest::addColumn<const DrillScreen *>("drill");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("wait");
    for (bool wait : {true, false}) {
        const char *how = wait ? ", waits for avanti" : ", goes on at once";
        QTest::addRow("Form1%s", how) << &Form1Drill << Terms {7, 8} << "7"
                                      << "8" << wait;
        QTest::addRow("Form3, the quotient%s", how) << &Form3Drill << Terms {6, 7, 5} << "8"
                                                    << "7" << wait;
        QTest::addRow("Form10, the product%s", how) << &Form10ProductDrill << Terms {7, 6} << "5"
                                                    << "42" << wait;
        QTest::addRow("Form10, the factor%s", how) << &Form10FactorDrill << Terms {7, 6} << "5"
                                                   << "6" << wait;
    }
}

void TestDrillScreens::wrongAnswers()
{
    QFETCH(const DrillScreen *, drill);
    QFETCH(Terms, terms);
    QFETCH(QString, wrong);
    QFETCH(QString, right);
    QFETCH(bool, wait);
    auto *form = open(*m_env, *drill, terms, wait);
    AnswerBox *answerBox = firstBox(form, *drill);
    const QString problem = labelText(form, drill->problemLabel);
    const int drawsBefore = m_env->random.draws();

    answer(answerBox, wrong);
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));
    QCOMPARE(face(form), QStringLiteral("no"));
    QCOMPARE(answerBox->text(), wrong);
    QCOMPARE(form->focusWidget(), answerBox);
    QCOMPARE(m_env->sound.relativePaths(), QStringList {WrongSound});
    for (const QString &name : drill->boxes.mid(1))
        QVERIFY(!box(form, qPrintable(name))->isEnabled());
    QVERIFY(!form->bottoneAvanti()->isEnabled());

    // Every Enter on a wrong answer counts again.
    answer(answerBox, QString());
    answer(answerBox, QString());
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 3"));
    QCOMPARE(shared().numeroErrati.value(), drill->ownCounts ? 0 : 3);
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(m_env->sound.relativePaths(), QStringList(3, WrongSound));
    QCOMPARE(m_env->sound.played().size(), 3);
    QCOMPARE(labelText(form, drill->problemLabel), problem);
    QCOMPARE(m_env->random.draws(), drawsBefore);
    QVERIFY(answerBox->isEnabled());
    QVERIFY(!form->bottoneAvanti()->isEnabled());

    // Corrected, it is right, and the wrong count stays.
    answerBox->clear();
    const bool solves = drill->boxes.size() == 1;
    if (solves)
        m_env->random.pushDraw(0, 4); // the right sound
    answer(answerBox, right);
    QCOMPARE(counts(form), QStringList({solves ? " 1" : "0", " 3"}));
    QCOMPARE(face(form), QStringLiteral("si"));
}

void TestDrillScreens::enterOnEmptyBoxDoesNothing_data()
{
    QTest::addColumn<const DrillScreen *>("drill");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<QStringList>("rights");
    // Where the answer is 0 an empty box would read as right if it were judged.
    QTest::newRow("Form1, quotient 0") << &Form1Drill << Terms {4, 0} << QStringList {"0"};
    QTest::newRow("Form3") << &Form3Drill << Terms {4, 2, 1} << QStringList {"2", "1"};
    QTest::newRow("Form10, product 0") << &Form10ProductDrill << Terms {0, 0} << QStringList {"0"};
    QTest::newRow("Form10, factor 0") << &Form10FactorDrill << Terms {0, 0} << QStringList {"0"};
}

void TestDrillScreens::enterOnEmptyBoxDoesNothing()
{
    QFETCH(const DrillScreen *, drill);
    QFETCH(Terms, terms);
    QFETCH(QStringList, rights);
    auto *form = open(*m_env, *drill, terms);
    const int drawsBefore = m_env->random.draws();
    for (int step = 0; step < drill->boxes.size(); ++step) {
        AnswerBox *answerBox = box(form, qPrintable(drill->boxes.at(step)));
        answer(answerBox, QString());
        // Nothing judged: the face of the step before stays.
        QCOMPARE(face(form), step == 0 ? QStringLiteral("both") : QStringLiteral("si"));
        QVERIFY(answerBox->isEnabled());
        if (step + 1 < drill->boxes.size())
            answer(answerBox, rights.at(step));
    }
    QCOMPARE(counts(form), QStringList({"0", "0"}));
    QVERIFY(m_env->sound.played().isEmpty());
    QCOMPARE(m_env->random.draws(), drawsBefore);
}

void TestDrillScreens::esci_data()
{
    QTest::addColumn<const DrillScreen *>("drill");
    QTest::addColumn<Terms>("terms");
    QTest::addColumn<QStringList>("rights");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<const DrillScreen *>("comingBack");
    QTest::addColumn<Terms>("again");
    QTest::addColumn<QString>("againProblem");
    QTest::addColumn<bool>("yes");
    for (bool yes : {false, true}) {
        const char *answered = yes ? ", answered yes" : ", answered no";
        QTest::addRow("Form1%s", answered) << &Form1Drill << Terms {6, 4} << QStringList {"4"} << 2
                                           << &Form1Drill << Terms {5, 1} << " 5 :  5 = " << yes;
        QTest::addRow("Form3%s", answered)
            << &Form3Drill << Terms {6, 7, 5} << QStringList {"7", "5"} << 3 << &Form3Drill
            << Terms {2, 1, 1} << " 3 :  2 =    " << yes;
        // The times tables open in the factor mode whichever mode they were left in.
        QTest::addRow("Form10%s", answered)
            << (yes ? &Form10ProductDrill : &Form10FactorDrill) << Terms {7, 6}
            << QStringList {yes ? "42" : "6"} << 3 << &Form10FactorDrill << Terms {8, 2}
            << " 8 x        = 16" << yes;
    }
}

void TestDrillScreens::esci()
{
    QFETCH(const DrillScreen *, drill);
    QFETCH(Terms, terms);
    QFETCH(QStringList, rights);
    QFETCH(int, ticked);
    QFETCH(const DrillScreen *, comingBack);
    QFETCH(Terms, again);
    QFETCH(QString, againProblem);
    QFETCH(bool, yes);
    auto *form = open(*m_env, *drill, terms);
    const QString problem = labelText(form, drill->problemLabel);
    AnswerBox *first = firstBox(form, *drill);
    answer(first, QStringLiteral("1"));

    if (!yes) {
        const QColor colour = form->background();
        const int draws = m_env->random.draws();
        m_env->boxes.answer(false);
        trigger(form, "mnuEsci");
        TestEnvironment::settle();
        QCOMPARE(m_env->boxes.questions(), QStringList {QStringLiteral("Vuoi tornare al menù?")});
        QCOMPARE(TestEnvironment::current(), form);
        QCOMPARE(labelText(form, drill->problemLabel), problem);
        QCOMPARE(form->background(), colour);
        QCOMPARE(m_env->random.draws(), draws);
        QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));
        QCOMPARE(shared().numeroErrati.value(), drill->ownCounts ? 0 : 1);
        QCOMPARE(first->text(), QStringLiteral("1"));
        QCOMPARE(face(form), QStringLiteral("no"));
        return;
    }

    first->clear();
    for (int step = 0; step < rights.size(); ++step)
        answer(box(form, qPrintable(drill->boxes.at(step))), rights.at(step));
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
    trigger(form, drill->termsItem);
    tickOnly(form->findChild<TermsPanel *>(), {ticked}, drill->lastTerm);
    m_env->boxes.answer(true);
    trigger(form, "mnuEsci");
    TestEnvironment::settle();
    QCOMPARE(TestEnvironment::current()->objectName(), QStringLiteral("FormMenu"));
    // The times tables leave no counts behind for the menu.
    const int leftBehind = drill->ownCounts || drill->clearsCountsOnExit ? 0 : 1;
    QCOMPARE(shared().numeroEsatti.value(), leftBehind);
    QCOMPARE(shared().numeroErrati.value(), leftBehind);

    auto *comeBack = open(*m_env, *comingBack, again);
    QCOMPARE(m_env->random.seeds(), 2 * drill->seedsPerVisit); // a fresh seed at every visit
    QCOMPARE(counts(comeBack), QStringList({"0", "0"}));
    QCOMPARE(shared().numeroErrati.value(), 0);
    auto *panel = comeBack->findChild<TermsPanel *>();
    QVERIFY(allTicked(panel, drill->lastTerm));
    QVERIFY(panel->isHidden());
    QCOMPARE(labelText(comeBack, drill->problemLabel), againProblem);
}

QTEST_MAIN(TestDrillScreens)
#include "tst_drillscreens.moc"
