// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form7.h"

namespace Quozzoli {

Form7::Form7(QWidget *parent)
    : CandyBoard(ScreenId::Form7, parent)
{
    setObjectName(QStringLiteral("Form7"));
}

} // namespace Quozzoli
