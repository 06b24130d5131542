// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardsetup.h"

#include "exercisescreen.h"

namespace Quozzoli {

ExerciseFrame BoardSetup::frame() const
{
    return {.clientTwips = QSize(9900, 6720),
            .designColour = colour,
            .faces = faces,
            .esatti = QPoint(8235, 120),
            .errati = QPoint(8355, 720),
            .avanti = avanti,
            .esattiHeading = esattiHeading,
            .numeric = false,
            .colours = std::nullopt,
            .menu = exerciseMenu(10, {}, 11)};
}

} // namespace Quozzoli
