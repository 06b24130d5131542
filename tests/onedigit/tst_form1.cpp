// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "environmentpertest.h"
#include "form1.h"
#include "screendriver.h"
#include "sharedvalues.h"

#include <QApplication>

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

// The colour, the divisor and the quotient of the next problem.
void scriptProblem(TestEnvironment &env, int divisor, int quotient, int colour = 0)
{
    env.random.pushDraw(colour, 18);
    env.random.pushDraw(divisor - 1, 9);
    env.random.pushDraw(quotient, 9);
}

} // namespace

class TestForm1 : public EnvironmentPerTest
{
    Q_OBJECT

private slots:
    void answersReadAsNumbers_data();
    void answersReadAsNumbers();
    void azzeraKeepsTheProblem();

private:
    Form1 *open(int divisor, int quotient, bool wait = true);
};

Form1 *TestForm1::open(int divisor, int quotient, bool wait)
{
    shared().attendiBottone = wait;
    scriptProblem(*m_env, divisor, quotient);
    return m_env->open<Form1>(ScreenId::Form1);
}

void TestForm1::answersReadAsNumbers_data()
{
    QTest::addColumn<int>("quotient");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("0") << 0 << "0" << true;
    QTest::newRow("00") << 0 << "00" << true;
    QTest::newRow("0.0") << 0 << "0.0" << true;
    QTest::newRow("letters only, quotient 0") << 0 << "abc" << true;
    QTest::newRow("a lone blank, quotient 0") << 0 << " " << true;
    QTest::newRow("1 for 0") << 0 << "1" << false;
    QTest::newRow("letters only, quotient 5") << 5 << "abc" << false;
    QTest::newRow("blank before") << 5 << " 5" << true;
    QTest::newRow("5.0") << 5 << "5.0" << true;
    QTest::newRow("5 then letters") << 5 << "5a" << true;
    QTest::newRow("5.5") << 5 << "5.5" << false;
    QTest::newRow("8 of 72 : 9") << 8 << "8" << true;
}

void TestForm1::answersReadAsNumbers()
{
    QFETCH(int, quotient);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    auto *form = open(9, quotient);
    answer(box(form, "Text1"), typed);
    QCOMPARE(counts(form), (right ? QStringList {" 1", "0"} : QStringList {"0", " 1"}));
}

void TestForm1::azzeraKeepsTheProblem()
{
    auto *form = open(6, 4);
    AnswerBox *text1 = box(form, "Text1");
    answer(text1, QStringLiteral("3"));
    trigger(form, "MenuAzzera");
    QCOMPARE(counts(form), QStringList({"0", "0"}));
    QCOMPARE(shared().numeroErrati.value(), 0);
    QCOMPARE(labelText(form, "EtNumero"), QStringLiteral(" 24 :  6 = "));
    QCOMPARE(text1->text(), QStringLiteral("3"));
    QCOMPARE(face(form), QStringLiteral("no"));

    text1->clear();
    answer(text1, QStringLiteral("4"));
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
