// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "messageboxes.h"

namespace Quozzoli {

class QtMessageBoxes final : public MessageBoxes
{
public:
    void askYesNo(QWidget *parent, const QString &text, Answer answered) override;
    void inform(QWidget *parent, const QString &text) override;
};

} // namespace Quozzoli
