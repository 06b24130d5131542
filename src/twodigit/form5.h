// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twodigitscreen.h"

namespace Quozzoli {

// Two-digit quotients without remainder, dividends up to 882.
class Form5 : public TwoDigitScreen
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);
};

} // namespace Quozzoli
