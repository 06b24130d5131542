// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace Quozzoli {

// What a screen reader is told of the program's words: the words the child
// sees, without the blanks, line breaks and rows of dashes that only lay a
// caption out. Labels and menu commands are read through it everywhere.
class AccessibleText
{
public:
    static QString spoken(const QString &text);

    // Labels and menu commands speak their tidied text from now on.
    static void install();
    // A screen reader reads the widget as a group of the controls in it.
    static void markGroup(QWidget *widget, const QString &name);
    // Shows a hidden widget, its screen-reader objects made anew. Qt tells
    // a screen reader that a widget came into view ("showing") but never
    // that it is "visible", and a screen reader that asked about it while
    // it was hidden would keep it out of its review of the screen for good.
    static void showAfresh(QWidget *widget);
};

} // namespace Quozzoli
