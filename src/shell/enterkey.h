// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QKeyEvent;
class QWidget;

namespace Quozzoli {

// Enter and the keypad's Enter press the focused push button of a window as
// Space does: the press holds the button down and the release clicks it. So a
// held key clicks once, and a release whose press went elsewhere (to an answer
// box that judged it, or to a message box that it closed) clicks nothing.
class EnterKey
{
public:
    // True when the key went to the focused button of `window`.
    static bool pressFocusedButton(QWidget *window, QKeyEvent *event);
};

} // namespace Quozzoli
