// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twodigitscreen.h"

namespace Quozzoli {

// Two-digit quotients without remainder, dividends up to 99.
class Form2 : public TwoDigitScreen
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
};

} // namespace Quozzoli
