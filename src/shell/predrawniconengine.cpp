// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "predrawniconengine.h"

#include "svgpicture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QResource>

namespace Quozzoli {

QIcon PredrawnIconEngine::icon(const QString &svgResource)
{
    return QIcon(new PredrawnIconEngine(svgResource));
}

PredrawnIconEngine::PredrawnIconEngine(const QString &svgResource)
    : m_svgResource(svgResource)
    , m_predrawnPattern(QStringLiteral(":/predrawn/%1-").arg(QFileInfo(svgResource).baseName())
                        + QStringLiteral("%1.argb"))
{ }

QIconEngine *PredrawnIconEngine::clone() const
{
    return new PredrawnIconEngine(m_svgResource);
}

QString PredrawnIconEngine::key() const
{
    return QStringLiteral("QuozzoliPredrawn");
}

std::optional<QPixmap> PredrawnIconEngine::predrawn(const QSize &size, QIcon::Mode mode,
                                                    QIcon::State state)
{
    if (mode != QIcon::Normal || state != QIcon::Off || size.width() != size.height()
        || size.isEmpty())
        return std::nullopt;
    auto it = m_predrawn.find(size.width());
    if (it == m_predrawn.end()) {
        // Raw pixels, stored uncompressed: nothing to decode, and no image
        // format plugin to look for.
        const int side = size.width();
        const QByteArray pixels = QResource(m_predrawnPattern.arg(side)).uncompressedData();
        QPixmap picture;
        if (pixels.size() == qsizetype(side) * side * 4) {
            picture = QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.constData()),
                                                side, side, side * 4, QImage::Format_ARGB32));
        }
        it = m_predrawn.insert(side, picture);
    }
    if (it->isNull())
        return std::nullopt;
    return *it;
}

QIcon &PredrawnIconEngine::drawn()
{
    if (!m_drawn)
        m_drawn = QIcon(SvgPicture::compiledFile(m_svgResource));
    return *m_drawn;
}

QPixmap PredrawnIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (std::optional<QPixmap> found = predrawn(size, mode, state))
        return *found;
    return drawn().pixmap(size, 1.0, mode, state);
}

QSize PredrawnIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (std::optional<QPixmap> found = predrawn(size, mode, state))
        return found->size();
    return drawn().actualSize(size, mode, state);
}

void PredrawnIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                               QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    const QSize pixels = rect.size() * ratio;
    if (std::optional<QPixmap> found = predrawn(pixels, mode, state)) {
        QPixmap picture = *found;
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
        return;
    }
    drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
}

} // namespace Quozzoli
