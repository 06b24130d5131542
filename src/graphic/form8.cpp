// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form8.h"

namespace Quozzoli {

namespace {

const CandyBoard::Setup &setup()
{
    static const QString ScopriCaramelle
        = QStringLiteral("Scopri quante caramelle avrà ogni bambino");
    static const CandyBoard::Setup board {
        .colour = {255, 128, 0},
        .faces = {6240, 240},
        .avanti = {6840, 1320},
        .esattiHeading = true,
        .layout
        = BoardLayout::withRemainder(SharingMode::Partition, 100, {0, 0}, 6735, ScopriCaramelle),
    };
    return board;
}

} // namespace

Form8::Form8(QWidget *parent)
    : CandyBoard(setup(), parent)
{
    setObjectName(QStringLiteral("Form8"));
}

} // namespace Quozzoli
