// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardlayout.h"

#include <QColor>
#include <QPoint>

namespace Quozzoli {

struct ExerciseFrame;

// What tells one board from another: its colour, where its faces and
// "avanti" stand (twips), whether "Esatti" heads its count, and its layout.
struct BoardSetup
{
    QColor colour;
    QPoint faces;
    QPoint avanti;
    bool esattiHeading = true;
    BoardLayout layout;

    // The frame of the board's screen, the same on every board but for its
    // colour, faces and "avanti".
    ExerciseFrame frame() const;
};

} // namespace Quozzoli
