// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendriver.h"

#include <QString>

#include <functional>

struct Tally;

namespace Quozzoli {
class AnswerBox;
class ExerciseScreen;
} // namespace Quozzoli

// Answers the problems of a numeric screen as a child would: right in the
// many ways a number may be typed, wrong, with texts that are no number, and
// with Enter in an empty box. Checks the counters after every entry.
class NumericPlayer
{
public:
    explicit NumericPlayer(Tally &tally)
        : m_tally(tally)
    { }

    // Solves the problem on view; `problem` picks the way it is answered.
    void solve(Quozzoli::ExerciseScreen *screen, int problem);

    // Texts that are no plain number, and ways of typing a right one.
    static QString garbage(int index);
    static QString rightText(long value, int variant);
    // Answers the steps in turn, each with a right text, after a stumble in
    // the box `problem` picks: a number `wrong` above the right one, a text
    // that is no number, or Enter on nothing. `enter` types a text in the
    // step's box and tells whether it was right; `last`: it solves.
    using Enter
        = std::function<bool(const ScreenDriver::Step &step, const QString &text, bool last)>;
    static void playSteps(const QList<ScreenDriver::Step> &steps, int problem, long wrong,
                          Tally &tally, const Enter &enter);

private:
    // Types the text and presses Enter; true when the entry was right.
    // `last`: a right entry there solves the problem.
    bool enter(Quozzoli::ExerciseScreen *screen, Quozzoli::AnswerBox *box, const QString &text,
               long expected, bool last);
    void checkCounters(Quozzoli::ExerciseScreen *screen);

    Tally &m_tally;
};
