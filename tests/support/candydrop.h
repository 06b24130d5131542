// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"
#include "candypicture.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>

#include <memory>

// A candy of the table, shown while it is there.
inline Quozzoli::CandyPicture *candy(Quozzoli::CandyBoard *board, int i)
{
    return board->findChild<Quozzoli::CandyPicture *>(QStringLiteral("PicCaramelle_%1").arg(i));
}

inline int candiesOnTable(Quozzoli::CandyBoard *board)
{
    int shown = 0;
    for (int i = 0; i < Quozzoli::CandyBoard::Candies; ++i)
        shown += candy(board, i)->isHidden() ? 0 : 1;
    return shown;
}

// How many candies the child holds: the discs shown in its tray.
inline int held(Quozzoli::CandyBoard *board, int child)
{
    int shown = 0;
    for (int k = 0; k < Quozzoli::CandySharing::Slots; ++k) {
        const int disc = Quozzoli::CandySharing::discIndex(child, k);
        shown += board->findChild<QWidget *>(QStringLiteral("Shape1_%1").arg(disc))->isHidden() ? 0
                                                                                                : 1;
    }
    return shown;
}

// The step of the introduction on view: how many of its three lines show.
inline int stepOnView(Quozzoli::CandyBoard *board)
{
    int shown = 0;
    for (const char *name : {"Label3", "Label4", "Label5"})
        shown += board->findChild<QLabel *>(QLatin1String(name))->isHidden() ? 0 : 1;
    return shown;
}

// The problem as the introduction told it: the candies, and how many children
// there are or how many candies each must have. True when shared out among
// the children.
inline bool problemOnView(Quozzoli::CandyBoard *board, Quozzoli::CandyProblem &p)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const auto read = [&](const char *label) {
        const QString text = board->findChild<QLabel *>(QLatin1String(label))->text();
        const QRegularExpressionMatch match = number.match(text);
        return std::pair {match.hasMatch() ? match.captured().toInt() : 1, text};
    };
    p.dividendo = read("Label3").first;
    const auto [divisore, children] = read("Label4");
    p.divisore = divisore;
    p.quoziente = p.dividendo / divisore;
    p.resto = p.dividendo % divisore;
    return !children.startsWith(QLatin1String("ogni"));
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
           ::candy(board, candy)->dragData());
}
