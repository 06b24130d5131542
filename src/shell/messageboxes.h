// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace Quozzoli {

// The program's modal message boxes, titled "Quozzoli".
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A question with the question icon and the buttons "Sì" (default) and "No".
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;
    // A notice with the information icon and "OK".
    virtual void inform(QWidget *parent, const QString &text) = 0;
};

} // namespace Quozzoli
