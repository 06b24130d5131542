// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .frame = {
            .clientTwips = {11820, 8700},
            .designColour = {192, 64, 0},
            .faces = {6120, 240},
            .esatti = {6720, 1320},
            .errati = {6840, 2160},
            .avanti = {4800, 3240},
            .colours = ColourTableVariant::TwoDigitsSmall,
            .menu = exerciseMenu(8, {}, 11),
        },
        .draw = {.withRemainder = false, .twoDigitDividend = true, .thinRedrawnOnes = false},
        .etNumero = QRect(0, 1365, 2925, 825),
        .edar = QRect(2835, 1365, 1080, 900),
        .eur = QRect(3960, 1365, 1080, 900),
    };
    return table;
}

} // namespace

Form2::Form2(QWidget *parent)
    : TwoDigitScreen(setup(), parent)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace Quozzoli
