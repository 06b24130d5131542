// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphicplayer.h"
#include "numericplayer.h"
#include "termschooser.h"

#include <QPointer>

struct MenuExercise;
struct Tally;
class ManualClock;
class ScriptedMessageBoxes;

namespace Quozzoli {
class ExerciseScreen;
class Screen;
} // namespace Quozzoli

// A child going through the program: from the splash screen to the menu,
// into an exercise and back, and out of the program. Every step is checked
// as the child would see it.
class ScriptedChild
{
public:
    ScriptedChild(Tally &tally, ScriptedMessageBoxes &boxes, ManualClock &clock);

    void startFromSplash();
    // One cycle: the exercise opened from the menu, `problems` solved in it,
    // then "Esci" back to the menu. `wait` sets the menu's switch first.
    void visit(const MenuExercise &exercise, int problems, bool wait);
    // "Esci" on the menu, answered yes.
    void leaveProgram();

private:
    Quozzoli::Screen *menu();
    void useMenuCommands(Quozzoli::ExerciseScreen *screen);
    void resetScreenTally();
    void returnToMenu(Quozzoli::ExerciseScreen *screen);

    Tally &m_tally;
    ScriptedMessageBoxes &m_boxes;
    NumericPlayer m_numeric;
    GraphicPlayer m_graphic;
    TermsChooser m_terms;
    int m_problem = 0; // problems begun in the whole run
};
