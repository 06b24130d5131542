// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .frame = {
            .clientTwips = {9345, 6660},
            .designColour = {192, 192, 0},
            .faces = {7200, 120},
            .esatti = {7680, 1200},
            .errati = {7800, 2040},
            .avanti = {4680, 3120},
            .colours = ColourTableVariant::TwoDigitsWithRemainder,
            .menu = exerciseMenu(10, {}, 11),
        },
        .draw = {.withRemainder = true, .twoDigitDividend = true, .thinRedrawnOnes = true},
        .etNumero = QRect(0, 1365, 2820, 825),
        .edar = QRect(2760, 1320, 1080, 900),
        .eur = QRect(3960, 1320, 1080, 900),
        .label3 = QRect(5085, 1365, 720, 900),
        .text2 = QRect(5820, 1365, 855, 840),
    };
    return table;
}

} // namespace

Form4::Form4(QWidget *parent)
    : TwoDigitScreen(setup(), parent)
{
    setObjectName(QStringLiteral("Form4"));
}

} // namespace Quozzoli
