// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form6.h"

namespace Quozzoli {

Form6::Form6(QWidget *parent)
    : CandyBoard(ScreenId::Form6, parent)
{
    setObjectName(QStringLiteral("Form6"));
}

} // namespace Quozzoli
