// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textpicture.h"

#include <QCache>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace Quozzoli {

namespace {

// Qt's raster engine keeps glyphs up to 64 pixels in its glyph cache and
// fills larger ones as paths; only those are drawn into a picture here. A
// pixel more keeps the fonts whose size is rounded from points on the safe
// side.
constexpr qreal LargestCachedGlyph = 65.0;

struct Key
{
    QString text;
    QString font;
    QRgb colour = 0;
    int flags = 0;
    QRectF onDevice; // the rectangle in the device's pixels
    int direction = 0;
    int hints = 0;

    bool operator==(const Key &other) const
    {
        return text == other.text && font == other.font && colour == other.colour
            && flags == other.flags && onDevice == other.onDevice && direction == other.direction
            && hints == other.hints;
    }
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, key.colour, key.flags, key.onDevice.x(),
                      key.onDevice.y(), key.onDevice.width(), key.onDevice.height());
}

// The part of a text's picture that holds any of it, and where it goes, in
// the device's pixels.
struct Picture
{
    QImage image;
    QPoint at;
};

QCache<Key, Picture> &cache()
{
    static QCache<Key, Picture> pictures(24 * 1024 * 1024);
    return pictures;
}

// A place of the device (font, flags, rectangle) shows one text at a time:
// the picture of the text it showed before is dropped with the next one's,
// so that a problem line keeps one picture however many problems it shows.
QHash<QString, Key> &places()
{
    static QHash<QString, Key> keys;
    return keys;
}

QString placeOf(const Key &key)
{
    return QStringLiteral("%1|%2|%3,%4,%5,%6|%7|%8")
        .arg(key.font)
        .arg(key.flags)
        .arg(key.onDevice.x())
        .arg(key.onDevice.y())
        .arg(key.onDevice.width())
        .arg(key.onDevice.height())
        .arg(key.direction)
        .arg(key.hints);
}

QCache<Key, bool> &seenOnce()
{
    static QCache<Key, bool> keys(256);
    return keys;
}

bool whole(qreal value)
{
    return value == std::round(value);
}

// The painter draws text exactly as a picture copied onto its device would.
bool copiesAlike(const QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    if (!painter->paintEngine() || painter->paintEngine()->type() != QPaintEngine::Raster)
        return false;
    if (painter->compositionMode() != QPainter::CompositionMode_SourceOver
        || painter->opacity() != 1.0)
        return false;
    const QBrush brush = painter->pen().brush();
    if (painter->pen().style() == Qt::NoPen || brush.style() != Qt::SolidPattern
        || brush.color().alpha() != 255)
        return false;
    // A text let out of its rectangle would be cut at the picture's edge.
    if (flags & Qt::TextDontClip)
        return false;
    // Whole pixels of the device, at most scaled by its pixel ratio.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QTransform device = painter->deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() != ratio || device.m22() != ratio
        || !whole(device.dx()) || !whole(device.dy()))
        return false;
    const QFont font = painter->font();
    if (font.pixelSize() <= 0 || font.pixelSize() * ratio <= LargestCachedGlyph)
        return false;
    // One line only: where two lines meet within a pixel, each is blended
    // over the other on the screen, but over nothing in a picture.
    if (text.contains(QLatin1Char('\n')) || text.contains(QChar::LineSeparator))
        return false;
    return !(flags & Qt::TextWordWrap)
        || QFontMetricsF(font).horizontalAdvance(text) < rect.width() - 1;
}

// A text to be drawn into a picture, with all of its painter's state that
// its pixels depend on.
struct Request
{
    Key key;
    QFont font;
    QPen pen;
    QPainter::RenderHints hints;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QTransform device;
    QRect rect;
    int flags = 0;
    QString text;
};

QList<Request> &pending()
{
    static QList<Request> requests;
    return requests;
}

// The outline of a glyph is mapped to the device's pixels in floating point
// before it is filled, and rounds alike only at the same place on the device:
// so the picture is drawn with the painter's own transformation, into an
// empty image reaching from the device's corner (whose untouched pages cost
// no memory), and only the part that holds some text is kept.
Picture *drawn(const Request &request)
{
    const QTransform &device = request.device;
    const QRectF onDevice = device.mapRect(QRectF(request.rect));
    const int margin = 2 * request.font.pixelSize() * int(std::ceil(device.m11()));
    const int width = int(std::ceil(onDevice.right())) + margin;
    const int height = int(std::ceil(onDevice.bottom())) + margin;
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    auto *bits = static_cast<uchar *>(std::calloc(size_t(bytesPerLine) * size_t(height), 1));
    auto *picture = new Picture;
    if (!bits)
        return picture;
    {
        QImage image(bits, width, height, bytesPerLine, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter onImage(&image);
            onImage.setRenderHints(request.hints);
            onImage.setLayoutDirection(request.direction);
            onImage.setFont(request.font);
            onImage.setPen(request.pen);
            onImage.setWorldTransform(device);
            onImage.drawText(request.rect, request.flags, request.text);
        }
        const int firstLine = std::max(0, int(onDevice.top()) - margin);
        const int firstColumn = std::max(0, int(onDevice.left()) - margin);
        int top = height;
        int bottom = -1;
        int left = width;
        int right = -1;
        for (int y = firstLine; y < height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            int first = firstColumn;
            while (first < width && line[first] == 0)
                ++first;
            if (first == width)
                continue;
            int last = width - 1;
            while (line[last] == 0)
                --last;
            top = std::min(top, y);
            bottom = y;
            left = std::min(left, first);
            right = std::max(right, last);
        }
        if (bottom >= 0) {
            picture->at = QPoint(left, top);
            picture->image = image.copy(QRect(left, top, right - left + 1, bottom - top + 1));
        }
    }
    std::free(bits);
    return picture;
}

void drawPending()
{
    const QList<Request> requests = std::exchange(pending(), {});
    for (const Request &request : requests) {
        if (cache().contains(request.key))
            continue;
        Picture *picture = drawn(request);
        // Places are many only where windows change size: then those of
        // earlier sizes are forgotten, their pictures left to the cache.
        if (places().size() > 1024)
            places().clear();
        const auto before = places().find(placeOf(request.key));
        if (before == places().end())
            places().insert(placeOf(request.key), request.key);
        else
            cache().remove(std::exchange(*before, request.key));
        cache().insert(request.key, picture,
                       picture->image.sizeInBytes() + qsizetype(sizeof(Picture)));
    }
}

} // namespace

void TextPicture::draw(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    if (text.isEmpty() || rect.isEmpty() || !copiesAlike(painter, rect, flags, text)) {
        painter->drawText(rect, flags, text);
        return;
    }
    const QFont font = painter->font();
    const Key key {text,
                   font.key() + font.families().join(QLatin1Char(',')),
                   painter->pen().color().rgba(),
                   flags,
                   painter->deviceTransform().mapRect(QRectF(rect)),
                   int(painter->layoutDirection()),
                   int(painter->renderHints())};
    Picture *picture = cache().object(key);
    if (!picture) {
        // While a window's size keeps changing, a text seldom comes back at
        // the same size and place: it is drawn straight the first time. When
        // it is drawn there again, the picture is made once the repaint is
        // done, so that no frame waits for it, and copied from then on.
        if (seenOnce().remove(key)) {
            const bool first = pending().isEmpty();
            pending().append({key, font, painter->pen(), painter->renderHints(),
                              painter->layoutDirection(), painter->deviceTransform(), rect, flags,
                              text});
            if (first)
                QTimer::singleShot(0, drawPending);
        } else {
            seenOnce().insert(key, new bool(true));
        }
        painter->drawText(rect, flags, text);
        return;
    }
    if (picture->image.isNull())
        return;
    // Copied in the device's own pixels.
    painter->save();
    painter->setWorldTransform(painter->deviceTransform().inverted() * painter->worldTransform());
    painter->drawImage(picture->at, picture->image);
    painter->restore();
}

} // namespace Quozzoli
