// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QMimeData;
class QString;

namespace Quozzoli {

// What a dragged candy carries: which candy it is, and which board of which
// running program it comes from, so that a board takes only its own candies.
class CandyDrag
{
public:
    static QString mimeType();

    // A number that tells this board from every other one of the run.
    static quint64 newBoardId();

    static QMimeData *mimeData(quint64 board, int candy);
    // The index of the candy, or -1 when the data is not a candy of the board.
    static int candyFrom(const QMimeData *mime, quint64 board);
};

} // namespace Quozzoli
