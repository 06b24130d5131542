// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include "pictureaccessible.h"

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
