// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include "accessibletext.h"

#include <QAccessibleWidget>

namespace Quozzoli {

namespace {

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&notificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Annuncio"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString &words)
{
    setAccessibleName(AccessibleText::spoken(words));
    // Shown anew, the same words are spoken again.
    hide();
    show();
}

} // namespace Quozzoli
