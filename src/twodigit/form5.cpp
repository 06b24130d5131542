// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form5.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .frame = {
            .clientTwips = {9345, 6660},
            .designColour = {192, 0, 192},
            .faces = {7440, 240},
            .esatti = {8040, 1200},
            .errati = {8160, 2040},
            .avanti = {4920, 2760},
            .colours = ColourTableVariant::TwoDigitsLarge,
            .menu = exerciseMenu(8, {}, 11),
        },
        .draw = {.withRemainder = false, .twoDigitDividend = false, .thinRedrawnOnes = false},
        .etNumero = QRect(0, 1365, 2820, 930),
        .edar = QRect(2835, 1365, 1080, 900),
        .eur = QRect(3960, 1365, 960, 900),
    };
    return table;
}

} // namespace

Form5::Form5(QWidget *parent)
    : TwoDigitScreen(setup(), parent)
{
    setObjectName(QStringLiteral("Form5"));
}

} // namespace Quozzoli
