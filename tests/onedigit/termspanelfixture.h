// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "environmentpertest.h"

#include <set>

namespace Quozzoli {
class AnswerBox;
class ExerciseScreen;
class TermsPanel;
} // namespace Quozzoli

// The screens that carry the panel; the times tables in either mode.
enum class Subject { Form1, Form3, Form10Factor, Form10Product };
using Terms = std::set<int>;

Q_DECLARE_METATYPE(Subject)
Q_DECLARE_METATYPE(Terms)

// What the tests of the terms panel share: a fresh environment for every
// test function, the screens opened on it and what they read back.
class TermsPanelFixture : public EnvironmentPerTest
{
    Q_OBJECT

public:
    static int lastItem(const Quozzoli::ExerciseScreen *screen);
    static Quozzoli::TermsPanel *panelOf(const Quozzoli::ExerciseScreen *screen);
    // Opens the panel from the screen's menu.
    static Quozzoli::TermsPanel *openPanel(const Quozzoli::ExerciseScreen *screen);
    // The divisor, or the table, of the problem on display.
    static int term(const Quozzoli::ExerciseScreen *screen);
    // The box the problem is answered in first.
    static Quozzoli::AnswerBox *firstBox(const Quozzoli::ExerciseScreen *screen);
    static bool anyAnswerBoxEnabled(const Quozzoli::ExerciseScreen *screen);
    // Types the right answer of the problem on display, as far as the boxes take it.
    static void solve(const Quozzoli::ExerciseScreen *screen);

protected:
    Quozzoli::ExerciseScreen *open(Subject subject, bool wait = true);
    // The next problem, with the given term drawn at the first try.
    void scriptProblem(Subject subject, int term);
    // The data column "subject" with a row for each; with wait, the column
    // "wait" too, and a row that waits for avanti and one that goes on at once.
    static void allSubjects(bool wait = false);
};
