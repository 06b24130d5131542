// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace Quozzoli {

// Words a screen reader speaks at once, wherever the focus is: the verdict
// on an answer, a tray's new count. Each message is a notification that
// takes no room on the screen, shown anew: a screen reader speaks a
// notification when it appears, and keeps it among its messages. (Qt's
// bridge tells a change of name or description in a form Orca does not
// speak, so a focused control cannot carry such news.)
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void say(const QString &words);
};

} // namespace Quozzoli
