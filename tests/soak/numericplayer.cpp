// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numericplayer.h"

#include "answerbox.h"
#include "exercisescreen.h"
#include "numberreader.h"
#include "picturebutton.h"
#include "screendriver.h"
#include "svgpicture.h"
#include "tally.h"

#include <QLabel>
#include <QTest>

using namespace Quozzoli;

QString NumericPlayer::garbage(int index)
{
    static const QStringList texts {
        QStringLiteral("abc"),
        QStringLiteral("?"),
        QStringLiteral("&H"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral("e5"),
        QStringLiteral("sette"),
        QStringLiteral("7,5"),
        QStringLiteral("1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0"),
        QStringLiteral("99999999999999999999999999999999"),
        QStringLiteral("1e999"),
        QStringLiteral("&HFFFFFFFFFF"),
        QStringLiteral("&O7777"),
        QStringLiteral("-0"),
        QStringLiteral("+.5e1"),
        QStringLiteral("ùàè€"),
        QStringLiteral("٣"),
        QStringLiteral("%s%s%n"),
        QStringLiteral("    "),
        QString(300, QLatin1Char('9')),
    };
    return texts.at(index % texts.size());
}

QString NumericPlayer::rightText(long value, int variant)
{
    const QString digits = QString::number(value);
    switch (variant % 7) {
    case 0:
        return digits;
    case 1:
        return QLatin1Char(' ') + digits;
    case 2:
        return QLatin1Char('0') + digits;
    case 3:
        return digits + QStringLiteral(".0");
    case 4:
        return digits + QStringLiteral("a");
    case 5:
        return digits + QLatin1Char(' ');
    default: // the digits apart
        return QStringList(digits.split(QString(), Qt::SkipEmptyParts)).join(QLatin1Char(' '));
    }
}

void NumericPlayer::checkCounters(ExerciseScreen *screen)
{
    QCOMPARE(screen->rightCount().value(), m_tally.screenRight);
    QCOMPARE(screen->wrongCount().value(), m_tally.screenWrong);
    const auto label = [](int count) {
        return count == 0 ? QStringLiteral("0") : written(count);
    };
    QCOMPARE(screen->etichettaErrati()->text(), label(m_tally.screenWrong));
    QCOMPARE(screen->etichettaEsatti()->text(), label(m_tally.screenRight));
}

bool NumericPlayer::enter(ExerciseScreen *screen, AnswerBox *box, const QString &text,
                          long expected, bool last)
{
    [&] {
        QVERIFY(box->isEnabled());
        box->setFocus();
        box->clear();
        ScreenDriver::type(box, text);
        QCOMPARE(box->text(), text);
    }();
    const bool right = !text.isEmpty() && typedNumberEquals(text.toStdString(), expected);
    QTest::keyClick(box, Qt::Key_Return);
    if (text.isEmpty()) {
        ++m_tally.emptyEnters;
    } else if (right) {
        ++m_tally.rightEntries;
        if (last) {
            ++m_tally.problemsSolved;
            ++m_tally.numericRightEffects;
            ++m_tally.screenRight;
            m_tally.screenRightShown = m_tally.screenRight;
        }
    } else {
        ++m_tally.wrongEntries;
        ++m_tally.screenWrong;
        [&] {
            QVERIFY(screen->comandoIconaNo()->isVisibleTo(screen));
            QCOMPARE(box->text(), text); // left for the child to correct
        }();
    }
    checkCounters(screen);
    return right;
}

void NumericPlayer::playSteps(const QList<ScreenDriver::Step> &steps, int problem, long wrong,
                              Tally &tally, const Enter &enter)
{
    const int stumble = problem % int(steps.size()); // the box where it goes wrong first
    for (int i = 0; i < steps.size() && !QTest::currentTestFailed(); ++i) {
        const ScreenDriver::Step &step = steps.at(i);
        const bool last = i + 1 == steps.size();
        if (i == stumble) {
            switch (problem % 4) {
            case 1:
                QVERIFY(!enter(step, QString::number(step.expected + wrong), last));
                break;
            case 2:
                ++tally.garbageEntries;
                if (enter(step, garbage(problem / 4), last))
                    continue; // it read as the right number after all
                break;
            case 3:
                if (enter(step, QString(), last))
                    continue; // where an empty box reads as 0, a remainder of 0
                break;
            default:
                break;
            }
        }
        QVERIFY(enter(step, rightText(step.expected, problem + i), last));
    }
}

void NumericPlayer::solve(ExerciseScreen *screen, int problem)
{
    const QList<ScreenDriver::Step> steps = ScreenDriver::rightSteps(screen);
    QVERIFY2(!steps.isEmpty(), qPrintable(screen->objectName()));
    playSteps(steps, problem, 1 + problem % 3, m_tally,
              [&](const ScreenDriver::Step &step, const QString &text, bool last) {
                  return enter(screen, step.box, text, step.expected, last);
              });
    if (QTest::currentTestFailed())
        return;
    // The count was checked at the last entry; "avanti" brings the next problem.
    QVERIFY(screen->comandoIconaSi()->isVisibleTo(screen));
    if (!screen->bottoneAvanti()->isHidden()) { // it waits for "avanti"
        QVERIFY(screen->bottoneAvanti()->isEnabled());
        QTest::mouseClick(screen->bottoneAvanti(), Qt::LeftButton);
        QVERIFY(!screen->bottoneAvanti()->isEnabled());
    }
}
