// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace Quozzoli {

// A label or a group of controls as a screen reader reads it: its name and
// description tidied as AccessibleText says, a label named by its text.
class TidyAccessible : public QAccessibleWidget
{
public:
    TidyAccessible(QWidget *widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
};

} // namespace Quozzoli
