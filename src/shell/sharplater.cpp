// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharplater.h"

#include "svgpicture.h"

#include <QWidget>

namespace Quozzoli {

SharpLater::SharpLater(QWidget *picture)
    : QObject(picture)
    , m_picture(picture)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &SharpLater::settled);
}

void SharpLater::resized()
{
    m_settle.start();
}

QImage SharpLater::picture(const QString &resource, QSize pixels)
{
    if (m_settle.isActive()) {
        QImage shown = SvgPicture::kept(resource, pixels);
        if (shown.isNull())
            shown = SvgPicture::nearestKept(resource, pixels);
        if (!shown.isNull()) {
            m_scaled = shown.size() != pixels;
            return shown;
        }
    }
    m_scaled = false;
    return SvgPicture::drawn(resource, pixels);
}

void SharpLater::settled()
{
    if (m_scaled)
        m_picture->update();
}

} // namespace Quozzoli
