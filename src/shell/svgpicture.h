// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace Quozzoli {

class SharpLater;

// A picture drawn from one of the program's SVG resources, sharp at any size.
// The pictures are drawn through Qt's SVG image format plugin, so that Qt's
// SVG code is loaded when the first picture is shown, not at start. A build
// with QUOZZOLI_PREDRAWN_PICTURES (Windows) has no Qt SVG: it shows each
// picture as drawn at build time, scaled down, under the same resource name.
class SvgPicture : public QWidget
{
    Q_OBJECT

public:
    enum class Fit {
        Stretch, // fills the whole widget
        KeepAspect, // as large as fits, centred
    };

    explicit SvgPicture(const QString &resource, QWidget *parent = nullptr);

    QString resource() const { return m_resource; }
    void setFit(Fit fit);

    // The resource drawn at a size in device pixels, kept for the next paint
    // at that size; a null image for a resource that cannot be drawn.
    static QImage drawn(const QString &resource, QSize pixels);
    // The resource as drawn at that size if it is kept; a null image if not.
    static QImage kept(const QString &resource, QSize pixels);
    // Of the drawings of the resource kept, the one nearest that size; a
    // null image if none is kept.
    static QImage nearestKept(const QString &resource, QSize pixels);
    // The file compiled in for the resource: the resource itself, or in a
    // build with predrawn pictures the PNG picture drawn from it.
    static QString compiledFile(const QString &resource);
    // The size the resource gives itself; empty for one that cannot be read.
    static QSize naturalSize(const QString &resource);

    // False while the picture is shown scaled from another size, its window
    // being resized.
    bool sharp() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_resource;
    Fit m_fit = Fit::Stretch;
    SharpLater *m_sharpLater;
};

} // namespace Quozzoli
