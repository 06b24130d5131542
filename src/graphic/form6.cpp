// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form6.h"

namespace Quozzoli {

namespace {

const CandyBoard::Setup &setup()
{
    static const QString ScopriCaramelle
        = QStringLiteral("Scopri quante caramelle avrà ogni bambino");
    static const CandyBoard::Setup board {
        .colour = {0, 192, 0},
        .faces = {6240, 120},
        .avanti = {2880, 2520},
        .esattiHeading = false,
        .layout = BoardLayout::quotientOnly(SharingMode::Partition, 6735, ScopriCaramelle),
    };
    return board;
}

} // namespace

Form6::Form6(QWidget *parent)
    : CandyBoard(setup(), parent)
{
    setObjectName(QStringLiteral("Form6"));
}

} // namespace Quozzoli
