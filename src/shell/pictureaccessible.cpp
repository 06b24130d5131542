// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictureaccessible.h"

#include <QVariant>
#include <QWidget>

namespace Quozzoli {

namespace {

constexpr char PictureProperty[] = "quozzoliPicture";

QAccessibleInterface *pictureFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType() || !object->property(PictureProperty).toBool())
        return nullptr;
    return new PictureAccessible(static_cast<QWidget *>(object));
}

} // namespace

PictureAccessible::PictureAccessible(QWidget *picture)
    : QAccessibleWidget(picture, QAccessible::Graphic)
{ }

QAccessible::State PictureAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (covered())
        state.invisible = true;
    return state;
}

bool PictureAccessible::covered() const
{
    const QWidget *picture = widget();
    const QWidget *parent = picture->parentWidget();
    if (!parent || picture->isHidden())
        return false;
    // Siblings later in the list stand in front.
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(picture) + 1; i < siblings.size(); ++i) {
        const auto *other = qobject_cast<const QWidget *>(siblings.at(i));
        if (other && !other->isHidden() && !other->isWindow()
            && other->geometry().contains(picture->geometry()))
            return true;
    }
    return false;
}

void PictureAccessible::mark(QWidget *picture)
{
    static const bool installed = [] {
        QAccessible::installFactory(&pictureFactory);
        return true;
    }();
    Q_UNUSED(installed);
    picture->setProperty(PictureProperty, true);
}

void PictureAccessible::coverChanged(QWidget *picture)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(picture, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace Quozzoli
