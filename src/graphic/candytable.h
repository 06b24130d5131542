// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QWidget;

namespace Quozzoli {

class CandyPicture;
class DesignCanvas;

// The candies on a board's table: three rows of ten, laid in index order.
class CandyTable
{
public:
    static constexpr int Candies = 30;

    CandyTable(quint64 boardId, DesignCanvas *canvas);

    // Every candy off the table.
    void clear();
    // The first so many candies on the table.
    void lay(int count);
    // The candy is on the table.
    bool holds(int candy) const;
    // The highest-numbered candy on the table, or -1.
    int last() const;
    // The candy leaves the table.
    void take(int candy);
    // The table takes the focus, where a screen reader says what the keys do.
    void takeFocus();

private:
    QWidget *m_surface;
    QList<CandyPicture *> m_candies;
};

} // namespace Quozzoli
