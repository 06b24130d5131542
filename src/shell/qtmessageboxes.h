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

    // A box's text as a screen reader should read it: a line to a line, with
    // no padding blanks, no carriage returns and no rows of dashes.
    static QString spokenText(const QString &text);
};

} // namespace Quozzoli
