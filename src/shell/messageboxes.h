// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace Quozzoli {

// The program's message boxes, titled "Quozzoli". Each opens over its parent's
// window, which takes no input until the box is closed, and returns at once:
// nothing waits for the child. What follows an answer runs when the answer
// comes; if the parent goes first, the box goes with it and no answer comes.
class MessageBoxes
{
public:
    using Answer = std::function<void(bool yes)>;

    virtual ~MessageBoxes() = default;
    // A question with the question icon and the buttons "Sì" (default) and "No".
    virtual void askYesNo(QWidget *parent, const QString &text, Answer answered) = 0;
    // A notice with the information icon and "OK".
    virtual void inform(QWidget *parent, const QString &text) = 0;
};

} // namespace Quozzoli
