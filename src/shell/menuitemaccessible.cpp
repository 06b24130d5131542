// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menuitemaccessible.h"

#include "accessibletext.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

namespace Quozzoli {

MenuItemAccessible::MenuItemAccessible(QAction *action)
    : m_action(action)
{ }

bool MenuItemAccessible::isValid() const
{
    return m_action && owner();
}

QObject *MenuItemAccessible::object() const
{
    return m_action;
}

// The menu bar or the drop-down menu the command stands in.
QWidget *MenuItemAccessible::owner() const
{
    if (!m_action)
        return nullptr;
    for (QObject *object : m_action->associatedObjects()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if ((qobject_cast<QMenuBar *>(widget) || qobject_cast<QMenu *>(widget))
            && widget->actions().contains(m_action.data()))
            return widget;
    }
    return nullptr;
}

QWindow *MenuItemAccessible::window() const
{
    QWidget *widget = owner();
    return widget ? widget->window()->windowHandle() : nullptr;
}

QAccessibleInterface *MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(owner());
}

QAccessibleInterface *MenuItemAccessible::child(int index) const
{
    if (index == 0 && m_action && m_action->menu())
        return QAccessible::queryAccessibleInterface(m_action->menu());
    return nullptr;
}

int MenuItemAccessible::childCount() const
{
    return m_action && m_action->menu() ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && m_action && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface *MenuItemAccessible::childAt(int x, int y) const
{
    QAccessibleInterface *menu = child(0);
    return menu && menu->rect().contains(x, y) ? menu : nullptr;
}

QString MenuItemAccessible::text(QAccessible::Text t) const
{
    if (!m_action)
        return {};
    switch (t) {
    case QAccessible::Name: {
        QString caption = m_action->text();
        caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return AccessibleText::spoken(caption);
    }
    case QAccessible::Accelerator:
        return m_action->shortcut().toString(QKeySequence::NativeText);
    default:
        return {};
    }
}

void MenuItemAccessible::setText(QAccessible::Text, const QString &) { }

QRect MenuItemAccessible::rect() const
{
    QWidget *widget = owner();
    if (!widget)
        return {};
    QRect local;
    if (auto *bar = qobject_cast<QMenuBar *>(widget))
        local = bar->actionGeometry(m_action);
    else if (auto *menu = qobject_cast<QMenu *>(widget))
        local = menu->actionGeometry(m_action);
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role MenuItemAccessible::role() const
{
    return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    QWidget *widget = owner();
    if (!m_action || !widget)
        return state;
    if (!widget->isVisible() || !m_action->isVisible())
        state.invisible = true;
    if (!m_action->isEnabled())
        state.disabled = true;
    state.focusable = true;
    QAction *active = nullptr;
    if (auto *bar = qobject_cast<QMenuBar *>(widget))
        active = bar->activeAction();
    else if (auto *menu = qobject_cast<QMenu *>(widget))
        active = menu->activeAction();
    if (active == m_action) {
        state.focused = true;
        state.hotTracked = true;
    }
    if (m_action->isCheckable()) {
        state.checkable = true;
        state.checked = m_action->isChecked();
    }
    if (m_action->menu())
        state.hasPopup = true;
    return state;
}

void *MenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (!m_action || !m_action->isEnabled() || m_action->isSeparator())
        return {};
    return m_action->menu() ? QStringList {showMenuAction()} : QStringList {pressAction()};
}

void MenuItemAccessible::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    QPointer<QWidget> widget = owner();
    QPointer<QAction> action = m_action;
    // Later, from the event loop: the caller has its answer first.
    QTimer::singleShot(0, action, [widget, action] {
        if (!widget || !action)
            return;
        if (action->menu()) {
            if (auto *bar = qobject_cast<QMenuBar *>(widget.data()))
                bar->setActiveAction(action);
            else if (auto *menu = qobject_cast<QMenu *>(widget.data()))
                menu->setActiveAction(action);
            return;
        }
        if (auto *menu = qobject_cast<QMenu *>(widget.data()))
            menu->hide();
        action->trigger();
    });
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}

} // namespace Quozzoli
