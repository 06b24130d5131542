// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

class QWidget;

namespace Quozzoli {

// A picture widget's size while its window is being resized. Drawing a
// picture afresh at every intermediate size costs more than a frame on a
// large screen, so while the size keeps changing the picture is shown
// scaled from the drawing kept nearest that size, and once the size has held
// for a moment the widget is repainted and the picture drawn sharp at its
// size. A picture never drawn before is drawn at its size at once.
class SharpLater : public QObject
{
    Q_OBJECT

public:
    // How long a size must hold before the picture is drawn sharp.
    static constexpr int SettleMs = 150;

    explicit SharpLater(QWidget *picture);

    // To be called from the widget's resize event.
    void resized();

    // The picture to show for the resource at `pixels`: drawn at that size,
    // or while the size is changing a drawing of another size, to be shown
    // scaled to `pixels`.
    QImage picture(const QString &resource, QSize pixels);

    // False from a scaled picture being given until the widget is repainted
    // sharp.
    bool sharp() const { return !m_scaled; }

private:
    void settled();

    QWidget *m_picture;
    QTimer m_settle;
    bool m_scaled = false;
};

} // namespace Quozzoli
