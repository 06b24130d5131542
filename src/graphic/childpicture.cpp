// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "childpicture.h"

#include "candydrag.h"

#include <QDropEvent>

namespace Quozzoli {

QString ChildPicture::resourceOf(int index)
{
    return QStringLiteral(":/pictures/bambino%1.svg").arg(index);
}

ChildPicture::ChildPicture(int index, quint64 board, QWidget *parent)
    : SvgPicture(resourceOf(index), parent)
    , m_index(index)
    , m_board(board)
{
    setObjectName(QStringLiteral("ImBambino_%1").arg(index));
    setAccessibleName(QStringLiteral("bambino %1").arg(index + 1));
    setFit(Fit::Stretch);
    setAcceptDrops(true);
}

int ChildPicture::candyIn(const QDropEvent *event) const
{
    return CandyDrag::candyFrom(event->mimeData(), m_board);
}

void ChildPicture::dragEnterEvent(QDragEnterEvent *event)
{
    if (candyIn(event) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ChildPicture::dragMoveEvent(QDragMoveEvent *event)
{
    if (candyIn(event) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ChildPicture::dropEvent(QDropEvent *event)
{
    const int candy = candyIn(event);
    if (candy < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit candyDropped(m_index, candy);
}

} // namespace Quozzoli
