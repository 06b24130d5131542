// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twodigitfixture.h"

#include "sharedvalues.h"
#include "twodigitscreen.h"

#include <QApplication>

using namespace Quozzoli;

bool TwoDigitFixture::hasRemainder(ScreenId id)
{
    return id == ScreenId::Form4 || id == ScreenId::Form11;
}

QList<ScreenId> TwoDigitFixture::allScreens()
{
    return {ScreenId::Form2, ScreenId::Form5, ScreenId::Form4, ScreenId::Form11};
}

const char *TwoDigitFixture::nameOf(ScreenId id)
{
    return id == ScreenId::Form2 ? "Form2"
        : id == ScreenId::Form4  ? "Form4"
        : id == ScreenId::Form5  ? "Form5"
                                 : "Form11";
}

const char *TwoDigitFixture::waitName(bool wait)
{
    return wait ? "waits" : "goes on";
}

void TwoDigitFixture::scriptProblem(ScriptedRandom &random, ScreenId id, int colourIndex,
                                    const Division &d)
{
    random.pushDraw(colourIndex - 1, 18);
    random.pushDraw(d.divisor - 1, 9);
    random.pushDraw(d.quotient, 99);
    if (hasRemainder(id))
        random.pushDraw(d.remainder, d.divisor);
}

QStringList TwoDigitFixture::rightAnswers(ScreenId id, const Division &d)
{
    QStringList answers {QString::number(d.quotient / 10), QString::number(d.quotient % 10)};
    if (hasRemainder(id))
        answers << QString::number(d.remainder);
    return answers;
}

void TwoDigitFixture::cleanup()
{
    m_env.reset();
    m_screen = nullptr;
    m_boxes.clear();
}

TwoDigitScreen *TwoDigitFixture::open(ScreenId id, bool wait, const Division &d, int colourIndex)
{
    shared().attendiBottone = wait;
    scriptProblem(m_env->random, id, colourIndex, d);
    m_screen = m_env->open<TwoDigitScreen>(id);
    if (!m_screen || !QTest::qWaitForWindowActive(m_screen, Patience))
        return nullptr;
    m_boxes = ScreenDriver::twoDigitBoxes(m_screen);
    return m_screen;
}

void TwoDigitFixture::verifyOpenBox(int open) const
{
    for (int i = 0; i < m_boxes.size(); ++i)
        QVERIFY2(m_boxes[i]->isEnabled() == (i == open), qPrintable(m_boxes[i]->objectName()));
    if (open >= 0)
        QCOMPARE(QApplication::focusWidget(), m_boxes[open]);
}

void TwoDigitFixture::verifyFaces(bool right, bool wrong) const
{
    QCOMPARE(m_screen->comandoIconaSi()->isVisible(), right);
    QCOMPARE(m_screen->comandoIconaNo()->isVisible(), wrong);
}

void TwoDigitFixture::verifyCounts(const char *right, const char *wrong) const
{
    QCOMPARE(m_screen->etichettaEsatti()->text(), QLatin1String(right));
    QCOMPARE(m_screen->etichettaErrati()->text(), QLatin1String(wrong));
    QCOMPARE(shared().numeroEsatti.value(), QString::fromLatin1(right).trimmed().toInt());
    QCOMPARE(shared().numeroErrati.value(), QString::fromLatin1(wrong).trimmed().toInt());
}
