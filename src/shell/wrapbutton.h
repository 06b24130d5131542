// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace Quozzoli {

// A push button whose caption wraps onto as many lines as its width needs.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Quozzoli
