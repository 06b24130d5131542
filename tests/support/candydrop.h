// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"
#include "candydrag.h"
#include "childpicture.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

#include <memory>

// A drag that enters the widget and drops the data there, as a drag from the
// table ends; true when the widget took the drag.
inline bool dropOn(QWidget *target, const QMimeData *mime)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

// Drops a candy of the board on one of its children.
inline void dropCandy(Quozzoli::CandyBoard *board, int child, int candy)
{
    const std::unique_ptr<QMimeData> mime(Quozzoli::CandyDrag::mimeData(board->boardId(), candy));
    dropOn(board->findChild<Quozzoli::ChildPicture *>(QStringLiteral("ImBambino_%1").arg(child)),
           mime.get());
}
