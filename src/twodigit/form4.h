// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twodigitscreen.h"

namespace Quozzoli {

// Two-digit quotients with a remainder, dividends up to 99.
class Form4 : public TwoDigitScreen
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
};

} // namespace Quozzoli
