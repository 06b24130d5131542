// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"

namespace Quozzoli {

// Children served a given number of candies each, some left over.
class Form9 : public CandyBoard
{
    Q_OBJECT

public:
    explicit Form9(QWidget *parent = nullptr);
};

} // namespace Quozzoli
