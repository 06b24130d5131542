// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include "pictureaccessible.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Quozzoli {

SvgPicture::SvgPicture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
    setAttribute(Qt::WA_TranslucentBackground);
    PictureAccessible::mark(this);
}

void SvgPicture::setResource(const QString &resource)
{
    m_resource = resource;
    update();
}

void SvgPicture::setFit(Fit fit)
{
    m_fit = fit;
    update();
}

QSvgRenderer *SvgPicture::renderer(const QString &resource)
{
    // One renderer per picture, owned by the application and let go with it.
    static QHash<QString, QSvgRenderer *> renderers;
    QSvgRenderer *&renderer = renderers[resource];
    if (!renderer) {
        renderer = new QSvgRenderer(resource, QCoreApplication::instance());
        QObject::connect(renderer, &QObject::destroyed, [resource] { renderers.remove(resource); });
    }
    return renderer;
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QSvgRenderer *svg = renderer(m_resource);
    if (!svg->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF target = rect();
    if (m_fit == Fit::KeepAspect) {
        QSizeF size = svg->defaultSize();
        size.scale(target.size(), Qt::KeepAspectRatio);
        target = QRectF(QPointF(), size);
        target.moveCenter(QRectF(rect()).center());
    }
    svg->render(&painter, target);
}

} // namespace Quozzoli
