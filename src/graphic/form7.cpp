// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form7.h"

namespace Quozzoli {

namespace {

const CandyBoard::Setup &setup()
{
    static const QString ScopriBambini
        = QStringLiteral("Scopri quanti bambini si possono accontentare");
    static const CandyBoard::Setup board {
        .colour = {255, 0, 255},
        .faces = {6240, 240},
        .avanti = {3120, 2520},
        .esattiHeading = true,
        .layout = BoardLayout::quotientOnly(SharingMode::Quotition, 7095, ScopriBambini),
    };
    return board;
}

} // namespace

Form7::Form7(QWidget *parent)
    : CandyBoard(setup(), parent)
{
    setObjectName(QStringLiteral("Form7"));
}

} // namespace Quozzoli
