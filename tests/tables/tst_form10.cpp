// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "environmentpertest.h"
#include "form10.h"
#include "screendriver.h"
#include "sharedvalues.h"

#include <QFontMetrics>

using namespace Quozzoli;
using namespace ScreenDriver;

namespace {

void scriptProblem(TestEnvironment &env, int table, int factor, int colour = 0)
{
    env.random.pushDraw(colour, 18);
    env.random.pushDraw(table, 11);
    env.random.pushDraw(factor, 11);
}

const char *modeItem(bool product)
{
    return product ? "MenuProdotto" : "MenuFattore";
}

} // namespace

class TestForm10 : public EnvironmentPerTest
{
    Q_OBJECT

private slots:
    void problemsAndTheirAnswers_data();
    void problemsAndTheirAnswers();
    void choosingAModePosesAProblemAndKeepsCounts();
    void modesChangeWhileAvantiWaits();
    void modeChangeWithoutUsableTable_data();
    void modeChangeWithoutUsableTable();
    void boxesStandOverTheCaption();

private:
    Form10 *open(bool wait = true);
    Form10 *openIn(bool product, int table, int factor, bool wait = true);
};

Form10 *TestForm10::open(bool wait)
{
    shared().attendiBottone = wait;
    return m_env->open<Form10>(ScreenId::Form10);
}

// The screen in the given mode, showing table x factor.
Form10 *TestForm10::openIn(bool product, int table, int factor, bool wait)
{
    if (!product) {
        scriptProblem(*m_env, 1, 1);
        scriptProblem(*m_env, table, factor);
        return open(wait);
    }
    auto *form = open(wait);
    scriptProblem(*m_env, table, factor);
    trigger(form, "MenuProdotto");
    return form;
}

void TestForm10::problemsAndTheirAnswers_data()
{
    QTest::addColumn<bool>("product");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("factor mode: a 0 drawn is the table 1") << false << 0 << 6 << " 1 x        = 6"
                                                           << "6" << true;
    QTest::newRow("product, table 0, letters") << true << 0 << 4 << " 0 x  4 ="
                                               << "abc" << true;
    QTest::newRow("product, table 0, 0.0") << true << 0 << 4 << " 0 x  4 ="
                                           << "0.0" << true;
    QTest::newRow("product, table 0, a blank") << true << 0 << 4 << " 0 x  4 ="
                                               << " " << true;
    QTest::newRow("product, table 0, 4") << true << 0 << 4 << " 0 x  4 ="
                                         << "4" << false;
    QTest::newRow("factor 0, 0") << false << 7 << 0 << " 7 x        = 0"
                                 << "0" << true;
    QTest::newRow("factor 0, 00") << false << 7 << 0 << " 7 x        = 0"
                                  << "00" << true;
    QTest::newRow("factor 0, letters") << false << 7 << 0 << " 7 x        = 0"
                                       << "x" << true;
    QTest::newRow("factor 0, 7") << false << 7 << 0 << " 7 x        = 0"
                                 << "7" << false;
    QTest::newRow("largest product") << true << 10 << 10 << " 10 x  10 ="
                                     << "100" << true;
    QTest::newRow("largest factor") << false << 10 << 10 << " 10 x        = 100"
                                    << "10" << true;
    QTest::newRow("product, the factor typed") << true << 7 << 6 << " 7 x  6 ="
                                               << "6" << false;
    QTest::newRow("factor, the product typed") << false << 7 << 6 << " 7 x        = 42"
                                               << "42" << false;
}

void TestForm10::problemsAndTheirAnswers()
{
    QFETCH(bool, product);
    QFETCH(int, table);
    QFETCH(int, factor);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    auto *form = openIn(product, table, factor);
    QCOMPARE(labelText(form, "EtichettaNumero"), text);
    answer(box(form, product ? "Text1" : "Text2"), typed);
    QCOMPARE(counts(form), (right ? QStringList {" 1", "0"} : QStringList {"0", " 1"}));
}

void TestForm10::choosingAModePosesAProblemAndKeepsCounts()
{
    auto *form = openIn(false, 7, 6);
    answer(box(form, "Text2"), QStringLiteral("5"));
    box(form, "Text2")->clear();
    answer(box(form, "Text2"), QStringLiteral("6"));

    for (bool product : {true, true, false, false, true}) {
        scriptProblem(*m_env, 3, 2);
        const int before = m_env->random.draws();
        trigger(form, modeItem(product));
        QCOMPARE(m_env->random.draws() - before, 3);
        QCOMPARE(labelText(form, "EtichettaNumero"),
                 product ? QStringLiteral(" 3 x  2 =") : QStringLiteral(" 3 x        = 6"));
        // One mark only, also when the marked item is chosen again.
        QCOMPARE(form->menuAction(QStringLiteral("MenuProdotto"))->isChecked(), product);
        QCOMPARE(form->menuAction(QStringLiteral("MenuFattore"))->isChecked(), !product);
        QCOMPARE(box(form, "Text1")->isHidden(), !product);
        QCOMPARE(box(form, "Text2")->isHidden(), product);
        AnswerBox *answerBox = box(form, product ? "Text1" : "Text2");
        QVERIFY(answerBox->isEnabled());
        QCOMPARE(form->focusWidget(), answerBox);
        QCOMPARE(counts(form), QStringList({" 1", " 1"}));
    }
}

void TestForm10::modesChangeWhileAvantiWaits()
{
    auto *form = openIn(false, 7, 6, true);
    answer(box(form, "Text2"), QStringLiteral("6"));
    QVERIFY(form->bottoneAvanti()->isEnabled());
    QVERIFY(!box(form, "Text2")->isEnabled());

    for (bool product : {true, false}) {
        scriptProblem(*m_env, 4, 5);
        trigger(form, modeItem(product));
        AnswerBox *answerBox = box(form, product ? "Text1" : "Text2");
        QVERIFY(answerBox->isEnabled());
        QCOMPARE(form->focusWidget(), answerBox);
        QVERIFY(form->bottoneAvanti()->isEnabled());
    }
    QCOMPARE(labelText(form, "EtichettaNumero"), QStringLiteral(" 4 x        = 20"));
    scriptProblem(*m_env, 8, 2);
    clickAvanti(form);
    QCOMPARE(labelText(form, "EtichettaNumero"), QStringLiteral(" 8 x        = 16"));
    QVERIFY(!form->bottoneAvanti()->isEnabled());
    QVERIFY(box(form, "Text2")->isEnabled());
    QCOMPARE(labelText(form, "EtichettaEsatti"), QStringLiteral(" 1"));
}

void TestForm10::modeChangeWithoutUsableTable_data()
{
    QTest::addColumn<bool>("backToProduct");
    QTest::newRow("a table ticked") << false;
    QTest::newRow("back to the product") << true;
}

void TestForm10::modeChangeWithoutUsableTable()
{
    QFETCH(bool, backToProduct);
    auto *form = openIn(true, 2, 3);
    TermsPanel *panel = form->termsPanel();
    trigger(form, "MenuNumeroMassimo");
    tickOnly(panel, {0}, 10);
    QVERIFY(panel->confirmButton()->isEnabled());
    confirm(panel);
    QCOMPARE(form->problem().primoFattore, 0);
    answer(box(form, "Text1"), QStringLiteral("7"));

    // No table of 1..10 is ticked: the panel comes up instead of a problem.
    const QString problem = labelText(form, "EtichettaNumero");
    const int before = m_env->random.draws();
    trigger(form, "MenuFattore");
    QCOMPARE(m_env->random.draws(), before);
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->confirmButton()->isEnabled());
    QVERIFY(form->factorMode());
    QVERIFY(!box(form, "Text2")->isHidden());
    QVERIFY(!box(form, "Text2")->isEnabled());
    QVERIFY(box(form, "Text1")->isHidden());
    QCOMPARE(labelText(form, "EtichettaNumero"), problem);
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));

    if (backToProduct) {
        scriptProblem(*m_env, 5, 5);
        trigger(form, "MenuProdotto");
        // The table 0 serves again; the panel stays until "Conferma".
        QVERIFY(panel->confirmButton()->isEnabled());
        QVERIFY(panel->isVisible());
        QCOMPARE(labelText(form, "EtichettaNumero"), QStringLiteral(" 0 x  5 ="));
        QVERIFY(box(form, "Text1")->isEnabled());
        confirm(panel);
        QVERIFY(form->productMode());
        QCOMPARE(form->problem().primoFattore, 0);
    } else {
        tick(panel, 5, true);
        QVERIFY(panel->confirmButton()->isEnabled());
        scriptProblem(*m_env, 0, 9);
        m_env->random.pushDraw(5, 11);
        confirm(panel);
        QVERIFY(panel->isHidden());
        QCOMPARE(labelText(form, "EtichettaNumero"), QStringLiteral(" 5 x        = 45"));
        QVERIFY(box(form, "Text2")->isEnabled());
        QCOMPARE(form->focusWidget(), box(form, "Text2"));
    }
    QCOMPARE(labelText(form, "EtichettaErrati"), QStringLiteral(" 1"));
}

void TestForm10::boxesStandOverTheCaption()
{
    auto *form = open();
    DesignCanvas *canvas = form->canvas();
    auto *caption = form->findChild<QLabel *>(QStringLiteral("EtichettaNumero"));
    AnswerBox *text1 = box(form, "Text1");
    AnswerBox *text2 = box(form, "Text2");
    QCOMPARE(canvas->designRect(caption), QRect(360, 1320, 8805, 1455));
    QCOMPARE(canvas->designRect(text2), QRect(2475, 1440, 1470, 1095));
    QCOMPARE(caption->font().pixelSize(), DesignCanvas::fontPixels(49.5, canvas->scale()));
    QCOMPARE(text1->font().pixelSize(), DesignCanvas::fontPixels(29.25, canvas->scale()));
    QVERIFY(caption->font().bold());

    // Where the text of the caption runs, in the canvas' pixels.
    const QFontMetrics metrics(caption->font());
    const int textLeft = caption->geometry().left() + caption->contentsRect().left();
    auto end = [&](const QString &text) {
        return textLeft + metrics.horizontalAdvance(text);
    };
    for (int a = 0; a <= 10; ++a) {
        for (int b = 0; b <= 10; ++b) {
            // The product box comes after the "=".
            const QString product
                = written(a) + QStringLiteral(" x ") + written(b) + QStringLiteral(" =");
            QVERIFY2(
                text1->geometry().left() >= end(product),
                qPrintable(product
                           + QString(" %1 %2").arg(text1->geometry().left()).arg(end(product))));
            QVERIFY(text1->geometry().right() < caption->geometry().right());
        }
        // The factor box lies over the row of blanks, between the one-digit
        // tables' "x" and the "=".
        const QString x = written(a) + QStringLiteral(" x");
        const QString gap = x + QStringLiteral("        ");
        if (a < 10)
            QVERIFY2(text2->geometry().left() >= end(x), qPrintable(x));
        QVERIFY2(text2->geometry().right() < end(gap), qPrintable(gap));
    }
    QVERIFY(text1->geometry().top() >= caption->geometry().top());
    QVERIFY(text1->geometry().bottom() <= caption->geometry().bottom());
    QCOMPARE(text1->geometry().top(), text2->geometry().top());
}

QTEST_MAIN(TestForm10)
#include "tst_form10.moc"
