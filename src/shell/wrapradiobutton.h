// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

namespace Quozzoli {

// An option button whose caption wraps onto as many lines as its width needs.
class WrapRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit WrapRadioButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

} // namespace Quozzoli
