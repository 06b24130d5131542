// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace Quozzoli {

// The problem's text on an opaque white strip. A problem too long for its
// strip (a three-digit dividend in a large font) is drawn in a font just
// small enough to fit, so that its equals sign never hides behind the
// answer boxes.
class ProblemLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ProblemLabel(const QString &name, QWidget *parent = nullptr);

    // The font the text is drawn in at the label's current size.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Quozzoli
