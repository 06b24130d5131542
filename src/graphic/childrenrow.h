// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QFrame;

namespace Quozzoli {

class ChildPicture;
class DesignCanvas;
class TrayDisc;

// The five children of a candy board, each above the tray that shows, one
// disc a candy, what the child has been given.
class ChildrenRow
{
public:
    ChildrenRow(quint64 boardId, DesignCanvas *canvas);

    ChildPicture *child(int n) const { return m_children.at(n); }
    int size() const { return int(m_children.size()); }

    // Every child out of view and ready to take candies again.
    void clear();
    // The trays of the first so many children emptied.
    void emptyTrays(int children);
    // The child and its tray in view.
    void seat(int child);
    // The child has been given its count-th candy.
    void give(int child, int count);
    // The child has all its candies: it takes no more, and the next one comes.
    void serveNext(int child);
    // What a screen reader calls the child's tray: whose it is, what it holds.
    QString trayName(int child) const;

private:
    void describeTray(int child);

    QList<ChildPicture *> m_children;
    QList<QFrame *> m_trays;
    QList<TrayDisc *> m_discs;
};

} // namespace Quozzoli
