// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "environmentpertest.h"
#include "screendriver.h"

namespace Quozzoli {
class TwoDigitScreen;
} // namespace Quozzoli

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

// What the tests of the two-digit screens share: a fresh environment for
// every test function, a screen opened on a scripted division and checks of
// its boxes, faces and counts.
class TwoDigitFixture : public EnvironmentPerTest
{
    Q_OBJECT

public:
    struct Division
    {
        int divisor = 1;
        int quotient = 0;
        int remainder = 0;
    };

    static bool hasRemainder(Quozzoli::ScreenId id);
    static QList<Quozzoli::ScreenId> allScreens();
    static const char *nameOf(Quozzoli::ScreenId id);
    static const char *waitName(bool wait);
    // The draws of one new problem: the colour first, then the division.
    static void scriptProblem(ScriptedRandom &random, Quozzoli::ScreenId id, int colourIndex,
                              const Division &d);
    // The digits typed box after box: tens, units (and the remainder).
    static QStringList rightAnswers(Quozzoli::ScreenId id, const Division &d);

protected slots:
    // Run by QtTest after each test function.
    void cleanup();

protected:
    // Opens the screen on the given division, with the menu's switch set.
    Quozzoli::TwoDigitScreen *open(Quozzoli::ScreenId id, bool wait, const Division &d,
                                   int colourIndex = 5);
    // Only the box `open` is enabled (none once solved), and it has the focus.
    void verifyOpenBox(int open) const;
    void verifyFaces(bool right, bool wrong) const;
    void verifyCounts(const char *right, const char *wrong) const;

    Quozzoli::TwoDigitScreen *m_screen = nullptr;
    QList<Quozzoli::AnswerBox *> m_boxes; // the screen's, in the order they open
};
