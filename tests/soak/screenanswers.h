// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace Quozzoli {
class AnswerBox;
class ExerciseScreen;
} // namespace Quozzoli

// What a child must type on a numeric screen to solve the problem on view:
// each answer box in the order it opens, with the value it expects. Read from
// what the screen itself holds, never from the test's own arithmetic.
class ScreenAnswers
{
public:
    struct Step
    {
        Quozzoli::AnswerBox *box = nullptr;
        int expected = 0;
    };

    static QList<Step> rightSteps(Quozzoli::ExerciseScreen *screen);
};
