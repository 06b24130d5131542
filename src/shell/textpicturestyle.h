// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace Quozzoli {

// The desktop's own style, but for the texts of labels and buttons, which it
// draws through TextPicture: the same pixels, the large ones copied from a
// picture kept instead of filled afresh at every repaint.
class TextPictureStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    // Makes it the application's style, once, before the first window.
    static void install();

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

} // namespace Quozzoli
