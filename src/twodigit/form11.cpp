// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form11.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .frame = {
            .clientTwips = {9345, 6660},
            .designColour = {192, 192, 0},
            .faces = {6960, 240},
            .esatti = {7680, 1200},
            .errati = {7800, 2040},
            .avanti = {4800, 2760},
            .colours = ColourTableVariant::TwoDigitsWithRemainder,
            .menu = exerciseMenu(8, {}, 11),
        },
        .draw = {.withRemainder = true, .twoDigitDividend = false, .thinRedrawnOnes = false},
        .etNumero = QRect(0, 1365, 2820, 825),
        .edar = QRect(2760, 1365, 960, 900),
        .eur = QRect(3720, 1365, 960, 900),
        .label3 = QRect(5085, 1365, 720, 900),
        .text2 = QRect(5820, 1365, 855, 840),
    };
    return table;
}

} // namespace

Form11::Form11(QWidget *parent)
    : TwoDigitScreen(setup(), parent)
{
    setObjectName(QStringLiteral("Form11"));
}

} // namespace Quozzoli
