// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibletext.h"

#include "menuitemaccessible.h"
#include "tidyaccessible.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QVariant>

namespace Quozzoli {

namespace {

constexpr char GroupProperty[] = "quozzoliGroup";

QAccessibleInterface *tidyFactory(const QString &, QObject *object)
{
    if (!object)
        return nullptr;
    if (auto *action = qobject_cast<QAction *>(object))
        return new MenuItemAccessible(action);
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->property(GroupProperty).toBool())
        return new TidyAccessible(widget, QAccessible::Grouping);
    if (qobject_cast<QLabel *>(widget))
        return new TidyAccessible(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

QString AccessibleText::spoken(const QString &text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression rule(QStringLiteral("^[-_=*.]{3,}$"));
    QStringList lines;
    for (const QString &line : text.split(lineBreaks)) {
        const QString words = line.simplified();
        if (!words.isEmpty() && !rule.match(words).hasMatch())
            lines.append(words);
    }
    return lines.join(QLatin1Char(' '));
}

void AccessibleText::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&tidyFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleText::showAfresh(QWidget *widget)
{
    if (!widget->isHidden())
        return;
    if (QAccessible::isActive()) {
        QList<QWidget *> widgets = widget->findChildren<QWidget *>();
        widgets.prepend(widget);
        for (QWidget *w : std::as_const(widgets)) {
            if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(w))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
        }
    }
    widget->show();
}

void AccessibleText::markGroup(QWidget *widget, const QString &name)
{
    install();
    widget->setProperty(GroupProperty, true);
    widget->setAccessibleName(name);
}

} // namespace Quozzoli
