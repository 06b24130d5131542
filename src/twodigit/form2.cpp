// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

namespace Quozzoli {

namespace {

const TwoDigitScreen::Setup &setup()
{
    static const TwoDigitScreen::Setup table {
        .draw = {.withRemainder = false, .twoDigitDividend = true, .thinRedrawnOnes = false},
        .etNumero = QRect(0, 1365, 2925, 825),
        .edar = QRect(2835, 1365, 1080, 900),
        .eur = QRect(3960, 1365, 1080, 900),
    };
    return table;
}

} // namespace

Form2::Form2(QWidget *parent)
    : TwoDigitScreen(ScreenId::Form2, setup(), parent)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace Quozzoli
