// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "enterkey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace Quozzoli {

bool EnterKey::pressFocusedButton(QWidget *window, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    QWidget *focus = window->focusWidget();
    // Push buttons only: Enter does not tick a check box or pick an option.
    auto *button = qobject_cast<QAbstractButton *>(focus);
    if (!button || button->isCheckable()
        || !(qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button)))
        return false;
    QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                    event->isAutoRepeat());
    QCoreApplication::sendEvent(button, &space);
    event->accept();
    return true;
}

} // namespace Quozzoli
