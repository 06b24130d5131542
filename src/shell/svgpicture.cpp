// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include "pictureaccessible.h"

#include <QCache>
#include <QHash>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace Quozzoli {

namespace {

// Every picture on the screens fits many times over; drawing one again
// costs a few milliseconds.
constexpr qsizetype CacheKib = 32 * 1024;

QImageReader *readerOf(const QString &resource)
{
    // The format is given: guessing it would open every image format plugin.
    auto *reader = new QImageReader(resource, "svg");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

} // namespace

SvgPicture::SvgPicture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
    setAttribute(Qt::WA_TranslucentBackground);
    PictureAccessible::mark(this);
}

void SvgPicture::setFit(Fit fit)
{
    m_fit = fit;
    update();
}

QSize SvgPicture::naturalSize(const QString &resource)
{
    static QHash<QString, QSize> sizes;
    auto it = sizes.find(resource);
    if (it == sizes.end()) {
        std::unique_ptr<QImageReader> reader(readerOf(resource));
        it = sizes.insert(resource, reader->size());
    }
    return *it;
}

QImage SvgPicture::drawn(const QString &resource, QSize pixels)
{
    if (pixels.isEmpty() || naturalSize(resource).isEmpty())
        return QImage();
    static QCache<QString, QImage> pictures(CacheKib);
    const QString key
        = QStringLiteral("%1@%2x%3").arg(resource).arg(pixels.width()).arg(pixels.height());
    if (const QImage *picture = pictures.object(key))
        return *picture;
    std::unique_ptr<QImageReader> reader(readerOf(resource));
    reader->setScaledSize(pixels);
    const QImage picture = reader->read();
    if (!picture.isNull()) {
        // One too large to keep is let go at once.
        pictures.insert(key, new QImage(picture),
                        std::max<qsizetype>(1, picture.sizeInBytes() / 1024));
    }
    return picture;
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    const QSize natural = naturalSize(m_resource);
    if (natural.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    QSizeF size = this->size();
    if (m_fit == Fit::KeepAspect)
        size = QSizeF(natural).scaled(size, Qt::KeepAspectRatio);
    // Whole device pixels, so that the picture is shown as drawn, unscaled.
    const QSize pixels = (size * ratio).toSize();
    const QImage picture = drawn(m_resource, pixels);
    if (picture.isNull())
        return;
    const QSizeF shown = QSizeF(pixels) / ratio;
    const QPointF corner((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(std::round(corner.x() * ratio) / ratio,
                                     std::round(corner.y() * ratio) / ratio),
                             shown),
                      picture);
}

} // namespace Quozzoli
