// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tidyaccessible.h"

#include "accessibletext.h"

#include <QLabel>

namespace Quozzoli {

TidyAccessible::TidyAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{ }

QString TidyAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        if (const auto *label = qobject_cast<const QLabel *>(widget()))
            text = label->text();
    }
    return AccessibleText::spoken(text);
}

} // namespace Quozzoli
