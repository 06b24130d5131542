// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"
#include "candydrag.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

#include <memory>

// A candy of the table, shown while it is there.
inline QWidget *candy(Quozzoli::CandyBoard *board, int i)
{
    return board->findChild<QWidget *>(QStringLiteral("PicCaramelle_%1").arg(i));
}

inline int candiesOnTable(Quozzoli::CandyBoard *board)
{
    int shown = 0;
    for (int i = 0; i < Quozzoli::CandyBoard::Candies; ++i)
        shown += candy(board, i)->isHidden() ? 0 : 1;
    return shown;
}

// A drag that enters the widget and drops the data there, as a drag from the
// table ends, then lets the events run; true when the widget took the drag.
// The data goes with the drop.
inline bool dropOn(QWidget *target, QMimeData *mime)
{
    const std::unique_ptr<QMimeData> dropped(mime);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return enter.isAccepted();
}

// Drops a candy of the board on one of its children.
inline void dropCandy(Quozzoli::CandyBoard *board, int child, int candy)
{
    dropOn(board->findChild<QWidget *>(QStringLiteral("ImBambino_%1").arg(child)),
           Quozzoli::CandyDrag::mimeData(board->boardId(), candy));
}
