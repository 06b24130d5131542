// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebutton.h"

#include "predrawniconengine.h"

#include <QResizeEvent>

namespace Quozzoli {

PictureButton::PictureButton(const QString &caption, const QString &svgResource, QWidget *parent)
    : QToolButton(parent)
{
    setText(caption);
    setIcon(PredrawnIconEngine::icon(svgResource));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::resizeEvent(QResizeEvent *event)
{
    // The picture grows with the button, leaving room for the caption.
    const int side = std::max(8, int(event->size().height() * 0.4));
    setIconSize(QSize(side, side));
    QToolButton::resizeEvent(event);
}

} // namespace Quozzoli
