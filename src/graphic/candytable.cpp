// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candytable.h"

#include "accessibletext.h"
#include "candypicture.h"
#include "designcanvas.h"

#include <QWidget>

namespace Quozzoli {

namespace {

constexpr QSize CandyTwips(495, 495);
constexpr QRect SurfaceTwips(0, 0, 6735, 1935);

// The table behind its candies, drawn by nobody and deaf to the mouse: the
// focus waits there while the candies are shared, the keys 1 to 5 pass
// through it to the board, and a screen reader says what they do.
QWidget *makeSurface(DesignCanvas *canvas)
{
    auto *surface = new QWidget(canvas);
    surface->setObjectName(QStringLiteral("Tavolo"));
    AccessibleText::markGroup(surface, QStringLiteral("tavolo delle caramelle"));
    surface->setAccessibleDescription(
        QStringLiteral("premi da 1 a 5 per dare una caramella a un bambino"));
    // Out of the Tab chain: after a right answer Tab leads to "avanti".
    surface->setFocusPolicy(Qt::ClickFocus);
    surface->setAttribute(Qt::WA_TransparentForMouseEvents);
    canvas->place(surface, SurfaceTwips);
    return surface;
}

} // namespace

CandyTable::CandyTable(quint64 boardId, DesignCanvas *canvas)
    : m_surface(makeSurface(canvas))
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
        AccessibleText::showAfresh(m_candies[i]);
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

void CandyTable::takeFocus()
{
    m_surface->setFocus();
}

} // namespace Quozzoli
