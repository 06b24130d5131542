// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace Quozzoli {

// A red disc in a child's tray: one candy the child holds.
class TrayDisc : public QWidget
{
    Q_OBJECT

public:
    explicit TrayDisc(int index, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Quozzoli
