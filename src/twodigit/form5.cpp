// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form5.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .draw = {.withRemainder = false, .twoDigitDividend = false, .thinRedrawnOnes = false},
        .etNumero = QRect(0, 1365, 2820, 930),
        .edar = QRect(2835, 1365, 1080, 900),
        .eur = QRect(3960, 1365, 960, 900),
    };
    return table;
}

} // namespace

Form5::Form5(QWidget *parent)
    : TwoDigitScreen(ScreenId::Form5, setup(), parent)
{
    setObjectName(QStringLiteral("Form5"));
}

} // namespace Quozzoli
