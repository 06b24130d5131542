// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form9.h"

namespace Quozzoli {

Form9::Form9(QWidget *parent)
    : CandyBoard(ScreenId::Form9, parent)
{
    setObjectName(QStringLiteral("Form9"));
}

} // namespace Quozzoli
