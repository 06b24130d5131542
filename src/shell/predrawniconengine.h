// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QIcon>
#include <QIconEngine>

#include <optional>

namespace Quozzoli {

// An icon drawn from one of the program's SVG pictures that takes the
// pictures drawn from it at build time (":/predrawn/NAME-SIZE.argb", raw
// pixels) where one is of the very size asked for: the window icons and the
// splash screen's button show without drawing any SVG or decoding any image,
// and so without loading Qt's SVG code, before the first paint. Any other
// size, and any mode but the normal one, is drawn from the SVG as a plain
// icon of it would be.
class PredrawnIconEngine : public QIconEngine
{
public:
    static QIcon icon(const QString &svgResource);

    explicit PredrawnIconEngine(const QString &svgResource);

    QIconEngine *clone() const override;
    QString key() const override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;

private:
    std::optional<QPixmap> predrawn(const QSize &size, QIcon::Mode mode, QIcon::State state);
    QIcon &drawn();

    QString m_svgResource;
    QString m_predrawnPattern; // %1: the size
    QHash<int, QPixmap> m_predrawn; // a null pixmap: none of that size
    std::optional<QIcon> m_drawn;
};

} // namespace Quozzoli
