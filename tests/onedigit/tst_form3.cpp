// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "environmentpertest.h"
#include "form3.h"
#include "screendriver.h"
#include "sharedvalues.h"

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

void scriptProblem(TestEnvironment &env, int divisor, int quotient, int remainder, int colour = 0)
{
    env.random.pushDraw(colour, 18);
    env.random.pushDraw(divisor - 1, 9);
    env.random.pushDraw(quotient, 10);
    env.random.pushDraw(remainder, divisor);
}

} // namespace

class TestForm3 : public EnvironmentPerTest
{
    Q_OBJECT

private slots:
    void twoSteps_data();
    void twoSteps();
    void problemsAndTheirAnswers_data();
    void problemsAndTheirAnswers();
    void confirmInTheRemainderStep();
    void ownCountsOnly();

private:
    Form3 *open(int divisor, int quotient, int remainder, bool wait = true);
};

Form3 *TestForm3::open(int divisor, int quotient, int remainder, bool wait)
{
    shared().attendiBottone = wait;
    scriptProblem(*m_env, divisor, quotient, remainder);
    return m_env->open<Form3>(ScreenId::Form3);
}

void TestForm3::twoSteps_data()
{
    QTest::addColumn<bool>("wait");
    QTest::newRow("waits for avanti") << true;
    QTest::newRow("goes on at once") << false;
}

void TestForm3::twoSteps()
{
    QFETCH(bool, wait);
    auto *form = open(6, 7, 5, wait);
    AnswerBox *text1 = box(form, "Text1");
    AnswerBox *text2 = box(form, "Text2");

    // A right quotient shows the happy face and counts nothing.
    answer(text1, QStringLiteral("7"));
    QCOMPARE(face(form), QStringLiteral("si"));
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral("0"));
    QVERIFY(m_env->sound.played().isEmpty());
    QVERIFY(!text1->isEnabled());
    QCOMPARE(text1->text(), QStringLiteral("7"));
    QVERIFY(text2->isEnabled());
    QCOMPARE(form->focusWidget(), text2);

    // Wrong remainders count, each Enter once, and keep the text.
    answer(text2, QStringLiteral("3"));
    answer(text2, QString());
    QCOMPARE(face(form), QStringLiteral("no"));
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 2"));
    QCOMPARE(text2->text(), QStringLiteral("3"));
    QCOMPARE(form->focusWidget(), text2);
    QCOMPARE(m_env->sound.relativePaths(), QStringList(2, WrongSound));
    QVERIFY(!text1->isEnabled());

    text2->clear();
    m_env->random.pushDraw(1, 4); // the right sound
    if (!wait)
        scriptProblem(*m_env, 9, 9, 8);
    answer(text2, QStringLiteral("5"));
    QCOMPARE(face(form), QStringLiteral("si"));
    QCOMPARE(counts(form), QStringList({" 1", " 2"}));
    QCOMPARE(m_env->sound.played().size(), 3);
    QCOMPARE(m_env->sound.relativePaths().last(), QStringLiteral(R"(\suoni\si2.wav)"));

    if (wait) {
        QVERIFY(!text1->isEnabled());
        QVERIFY(!text2->isEnabled());
        QVERIFY(form->bottoneAvanti()->isEnabled());
        // Nothing more counts for this problem.
        answer(text2, QString());
        answer(text1, QString());
        QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
        QCOMPARE(m_env->sound.played().size(), 3);
        scriptProblem(*m_env, 9, 9, 8);
        clickAvanti(form);
        QVERIFY(!form->bottoneAvanti()->isEnabled());
    }
    QCOMPARE(labelText(form, "EtNumero"), QStringLiteral(" 89 :  9 =    "));
    QVERIFY(text1->isEnabled());
    QVERIFY(text1->text().isEmpty());
    QVERIFY(!text2->isEnabled());
    QVERIFY(text2->text().isEmpty());
    QCOMPARE(form->focusWidget(), text1);
}

void TestForm3::problemsAndTheirAnswers_data()
{
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed"); // in both boxes; none: the numbers themselves
    QTest::newRow("divisor 1") << 1 << 7 << 0 << " 7 :  1 =    " << QString();
    QTest::newRow("quotient 0") << 7 << 0 << 3 << " 3 :  7 =    " << QString();
    QTest::newRow("largest") << 9 << 9 << 8 << " 89 :  9 =    " << QString();
    for (const char *zero : {"0", "00", "0.0", "abc", " "})
        QTest::addRow("zero as '%s'", zero) << 4 << 0 << 0 << " 0 :  4 =    " << zero;
}

void TestForm3::problemsAndTheirAnswers()
{
    QFETCH(int, divisor);
    QFETCH(int, quotient);
    QFETCH(int, remainder);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    auto *form = open(divisor, quotient, remainder);
    QCOMPARE(labelText(form, "EtNumero"), text);
    answer(box(form, "Text1"), typed.isEmpty() ? QString::number(quotient) : typed);
    QVERIFY(box(form, "Text2")->isEnabled());
    answer(box(form, "Text2"), typed.isEmpty() ? QString::number(remainder) : typed);
    QCOMPARE(counts(form), QStringList({" 1", "0"}));
}

void TestForm3::confirmInTheRemainderStep()
{
    auto *form = open(6, 7, 5);
    answer(box(form, "Text1"), QStringLiteral("7"));
    answer(box(form, "Text2"), QStringLiteral("4"));
    trigger(form, "mnuTermini");
    scriptProblem(*m_env, 2, 3, 1);
    confirm(form->termsPanel());
    // A new problem, back in the quotient step; nothing counted for the old.
    QCOMPARE(labelText(form, "EtNumero"), QStringLiteral(" 7 :  2 =    "));
    QVERIFY(box(form, "Text1")->isEnabled());
    QVERIFY(box(form, "Text1")->text().isEmpty());
    QVERIFY(!box(form, "Text2")->isEnabled());
    QVERIFY(box(form, "Text2")->text().isEmpty());
    QCOMPARE(form->focusWidget(), box(form, "Text1"));
    QCOMPARE(counts(form), QStringList({"0", " 1"}));
}

void TestForm3::ownCountsOnly()
{
    shared().numeroEsatti.increment();
    shared().numeroErrati.increment();
    shared().numeroErrati.increment();
    shared().dividendo = -1;
    shared().quoziente = -1;
    auto *form = open(6, 7, 5);
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral("0"));
    answer(box(form, "Text1"), QStringLiteral("1"));
    box(form, "Text1")->clear();
    answer(box(form, "Text1"), QStringLiteral("7"));
    answer(box(form, "Text2"), QStringLiteral("5"));
    QCOMPARE(counts(form), QStringList({" 1", " 1"}));
    QCOMPARE(form->rightCount().value(), 1);
    QCOMPARE(shared().numeroEsatti.value(), 1);
    QCOMPARE(shared().numeroErrati.value(), 2);
    QCOMPARE(shared().dividendo, -1);
    QCOMPARE(shared().quoziente, -1);

    trigger(form, "MenuAzzera");
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral("0"));
    QCOMPARE(form->wrongCount().value(), 0);
    QCOMPARE(shared().numeroErrati.value(), 2);
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
