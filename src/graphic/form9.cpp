// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form9.h"

namespace Quozzoli {

namespace {

const CandyBoard::Setup &setup()
{
    static const QString ScopriBambini
        = QStringLiteral("Scopri quanti bambini si possono accontentare");
    static const CandyBoard::Setup board {
        .colour = {128, 128, 255},
        .faces = {6360, 240},
        .avanti = {6720, 1440},
        .esattiHeading = true,
        .layout
        = BoardLayout::withRemainder(SharingMode::Quotition, 1000, {0, 1680}, 7095, ScopriBambini),
    };
    return board;
}

} // namespace

Form9::Form9(QWidget *parent)
    : CandyBoard(setup(), parent)
{
    setObjectName(QStringLiteral("Form9"));
}

} // namespace Quozzoli
