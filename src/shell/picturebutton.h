// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QToolButton>

namespace Quozzoli {

// A command button showing a picture above its caption.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    PictureButton(const QString &caption, const QString &svgResource, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace Quozzoli
