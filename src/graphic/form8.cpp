// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form8.h"

namespace Quozzoli {

Form8::Form8(QWidget *parent)
    : CandyBoard(ScreenId::Form8, parent)
{
    setObjectName(QStringLiteral("Form8"));
}

} // namespace Quozzoli
