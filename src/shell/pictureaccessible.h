// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace Quozzoli {

// What a screen reader is told of a picture: an image, named as the widget
// is, and not on view while another control covers it whole (the face
// behind the other face, the children under the answer panel).
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(QWidget *picture);

    QAccessible::State state() const override;

    // Makes the widget known to screen readers as a picture; first thing in
    // its constructor, before a screen reader may ask about it.
    static void mark(QWidget *picture);
    // Tells a screen reader that the picture may have come out from under
    // another control, or gone under one.
    static void coverChanged(QWidget *picture);

private:
    bool covered() const;
};

} // namespace Quozzoli
