// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

struct Tally;

namespace Quozzoli {
class ExerciseScreen;
class TermsPanel;
} // namespace Quozzoli

// Brings up the panel "Scegli i termini da utilizzare" of Form1, Form3 or
// Form10, first unticks every term (the panel must then refuse to close),
// ticks a few and confirms; the problems after must use those terms only.
class TermsChooser
{
public:
    explicit TermsChooser(Tally &tally)
        : m_tally(tally)
    { }

    // The panel of the screen, or null on screens without one.
    static Quozzoli::TermsPanel *panelOf(Quozzoli::ExerciseScreen *screen);

    // Chooses terms; `visit` varies which. Returns the terms chosen.
    QList<int> choose(Quozzoli::ExerciseScreen *screen, int visit);
    // Checks that the problem on view uses one of the terms.
    static void checkProblem(Quozzoli::ExerciseScreen *screen, const QList<int> &terms);

private:
    Tally &m_tally;
};
