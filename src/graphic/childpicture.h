// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "svgpicture.h"

namespace Quozzoli {

// A child on the board: the only place a candy can be dropped. It takes
// only candies of its own board; whether the child may have one is the
// sharing's to say.
class ChildPicture : public SvgPicture
{
    Q_OBJECT

public:
    static constexpr int Count = 5;
    static QString resourceOf(int index);

    ChildPicture(int index, quint64 board, QWidget *parent = nullptr);

    int index() const { return m_index; }

signals:
    void candyDropped(int child, int candy);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int candyIn(const QDropEvent *event) const;

    int m_index;
    quint64 m_board;
};

} // namespace Quozzoli
