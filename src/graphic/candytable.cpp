// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candytable.h"

#include "candypicture.h"
#include "designcanvas.h"

namespace Quozzoli {

namespace {

constexpr QSize CandyTwips(495, 495);

} // namespace

CandyTable::CandyTable(quint64 boardId, DesignCanvas *canvas)
{
    for (int i = 0; i < Candies; ++i) {
        auto *candy = new CandyPicture(i, boardId, canvas);
        canvas->place(candy, QRect(QPoint(120 + 600 * (i % 10), 120 + 600 * (i / 10)), CandyTwips));
        candy->hide();
        m_candies.append(candy);
    }
}

void CandyTable::clear()
{
    for (CandyPicture *candy : std::as_const(m_candies))
        candy->hide();
}

void CandyTable::lay(int count)
{
    for (int i = 0; i < count && i < Candies; ++i)
        m_candies[i]->show();
}

bool CandyTable::holds(int candy) const
{
    return candy >= 0 && candy < Candies && !m_candies[candy]->isHidden();
}

int CandyTable::last() const
{
    for (int i = Candies - 1; i >= 0; --i) {
        if (holds(i))
            return i;
    }
    return -1;
}

void CandyTable::take(int candy)
{
    m_candies[candy]->hide();
}

} // namespace Quozzoli
