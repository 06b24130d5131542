// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include "pictureaccessible.h"
#include "sharplater.h"

#include <QCache>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <memory>

namespace Quozzoli {

namespace {

// Every picture on the screens fits many times over; drawing one again
// costs a few milliseconds.
constexpr qsizetype CacheKib = 32 * 1024;

#ifdef QUOZZOLI_PREDRAWN_PICTURES
// Each picture drawn at build time, larger than any screen shows it, as a PNG
// picture; the reader scales it down smoothly.
QImageReader *readerOf(const QString &resource)
{
    auto *reader = new QImageReader(SvgPicture::compiledFile(resource), "png");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

QSize sizeOf(QImageReader &reader)
{
    // The SVG picture's own size, which its proportions follow.
    const QStringList size = reader.text(QStringLiteral("Quozzoli-Size")).split(QLatin1Char('x'));
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}
#else
QImageReader *readerOf(const QString &resource)
{
    // The format is given: guessing it would open every image format plugin.
    auto *reader = new QImageReader(resource, "svg");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

QSize sizeOf(QImageReader &reader)
{
    return reader.size();
}
#endif

} // namespace

SvgPicture::SvgPicture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
    , m_sharpLater(new SharpLater(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    PictureAccessible::mark(this);
}

void SvgPicture::setFit(Fit fit)
{
    m_fit = fit;
    update();
}

QString SvgPicture::compiledFile(const QString &resource)
{
#ifdef QUOZZOLI_PREDRAWN_PICTURES
    if (resource.endsWith(QLatin1String(".svg")))
        return resource.first(resource.size() - 3) + QStringLiteral("png");
#endif
    return resource;
}

QSize SvgPicture::naturalSize(const QString &resource)
{
    static QHash<QString, QSize> sizes;
    auto it = sizes.find(resource);
    if (it == sizes.end()) {
        std::unique_ptr<QImageReader> reader(readerOf(resource));
        it = sizes.insert(resource, sizeOf(*reader));
    }
    return *it;
}

namespace {

QCache<QString, QImage> &keptPictures()
{
    static QCache<QString, QImage> pictures(CacheKib);
    return pictures;
}

// The sizes each resource has been drawn at; some may have been let go since.
QHash<QString, QList<QSize>> &keptSizes()
{
    static QHash<QString, QList<QSize>> sizes;
    return sizes;
}

QString keyOf(const QString &resource, QSize pixels)
{
    return QStringLiteral("%1@%2x%3").arg(resource).arg(pixels.width()).arg(pixels.height());
}

} // namespace

QImage SvgPicture::kept(const QString &resource, QSize pixels)
{
    const QImage *picture = keptPictures().object(keyOf(resource, pixels));
    return picture ? *picture : QImage();
}

QImage SvgPicture::nearestKept(const QString &resource, QSize pixels)
{
    auto sizes = keptSizes().find(resource);
    if (sizes == keptSizes().end())
        return QImage();
    const QImage *nearest = nullptr;
    qint64 nearestDistance = 0;
    for (auto size = sizes->begin(); size != sizes->end();) {
        const QImage *picture = keptPictures().object(keyOf(resource, *size));
        if (!picture) {
            size = sizes->erase(size);
            continue;
        }
        const qint64 distance = qAbs(qint64(size->width()) * size->height()
                                     - qint64(pixels.width()) * pixels.height());
        if (!nearest || distance < nearestDistance) {
            nearest = picture;
            nearestDistance = distance;
        }
        ++size;
    }
    return nearest ? *nearest : QImage();
}

QImage SvgPicture::drawn(const QString &resource, QSize pixels)
{
    if (pixels.isEmpty() || naturalSize(resource).isEmpty())
        return QImage();
    const QString key = keyOf(resource, pixels);
    if (const QImage *picture = keptPictures().object(key))
        return *picture;
    std::unique_ptr<QImageReader> reader(readerOf(resource));
    reader->setScaledSize(pixels);
    const QImage picture = reader->read();
    if (!picture.isNull()) {
        // One too large to keep is let go at once.
        if (keptPictures().insert(key, new QImage(picture),
                                  std::max<qsizetype>(1, picture.sizeInBytes() / 1024)))
            keptSizes()[resource].append(pixels);
    }
    return picture;
}

bool SvgPicture::sharp() const
{
    return m_sharpLater->sharp();
}

void SvgPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_sharpLater->resized();
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
    const QImage picture = m_sharpLater->picture(m_resource, pixels);
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
