// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candypicture.h"

#include "candydrag.h"
#include "pictureaccessible.h"
#include "sharplater.h"
#include "svgpicture.h"

#include <QDrag>
#include <QMouseEvent>
#include <QPainter>

namespace Quozzoli {

namespace {

constexpr int DesignBoxPixels = 33; // the box is 495 twips wide

} // namespace

CandyPicture::CandyPicture(int index, quint64 board, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_board(board)
    , m_sharpLater(new SharpLater(this))
{
    PictureAccessible::mark(this); // before anything tells a screen reader of it
    setObjectName(QStringLiteral("PicCaramelle_%1").arg(index));
    setAccessibleName(QStringLiteral("caramella"));
    setAttribute(Qt::WA_TranslucentBackground);
}

QSizeF CandyPicture::pictureSize() const
{
    const qreal scale = qreal(width()) / DesignBoxPixels;
    return QSizeF(PictureSize) * scale;
}

// The candy in device pixels.
QImage CandyPicture::picture() const
{
    return SvgPicture::drawn(QString::fromLatin1(Resource),
                             (pictureSize() * devicePixelRatioF()).toSize());
}

void CandyPicture::paintEvent(QPaintEvent *)
{
    const QSize pixels = (pictureSize() * devicePixelRatioF()).toSize();
    const QImage candy = m_sharpLater->picture(QString::fromLatin1(Resource), pixels);
    if (candy.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(), QSizeF(pixels) / devicePixelRatioF()), candy);
}

void CandyPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_sharpLater->resized();
}

QMimeData *CandyPicture::dragData() const
{
    return CandyDrag::mimeData(m_board, m_index);
}

QPixmap CandyPicture::dragPixmap() const
{
    const QImage candy = picture();
    QPixmap pixmap = QPixmap::fromImage(candy);
    if (candy.isNull()) {
        pixmap = QPixmap((pictureSize() * devicePixelRatioF()).toSize());
        pixmap.fill(Qt::transparent);
    }
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    return pixmap;
}

void CandyPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isVisible()) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    auto *drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->setPixmap(dragPixmap());
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::MoveAction);
}

} // namespace Quozzoli
