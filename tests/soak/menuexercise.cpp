// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menuexercise.h"

using Quozzoli::ScreenId;

const QList<MenuExercise> &MenuExercise::all()
{
    static const QList<MenuExercise> exercises {
        {ScreenId::Form1, "Form1", "Command2", true},
        {ScreenId::Form3, "Form3", "Command3", true},
        {ScreenId::Form4, "Form4", "Command4", true},
        {ScreenId::Form2, "Form2", "Command5", true},
        {ScreenId::Form5, "Form5", "Command6", true},
        {ScreenId::Form6, "Form6", "Command7", false},
        {ScreenId::Form7, "Form7", "Command8", false},
        {ScreenId::Form8, "Form8", "Command9", false},
        {ScreenId::Form9, "Form9", "Command10", false},
        {ScreenId::Form10, "Form10", "Command11", true},
        {ScreenId::Form11, "Form11", "Command12", true},
    };
    return exercises;
}
