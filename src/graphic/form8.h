// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"

namespace Quozzoli {

// Candies shared among a given number of children, some left over.
class Form8 : public CandyBoard
{
    Q_OBJECT

public:
    explicit Form8(QWidget *parent = nullptr);
};

} // namespace Quozzoli
