// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candydrag.h"

#include <QCoreApplication>
#include <QMimeData>

#include <atomic>

namespace Quozzoli {

namespace {

QByteArray encode(qint64 pid, quint64 board, int candy)
{
    return QByteArray::number(pid) + ' ' + QByteArray::number(board) + ' '
        + QByteArray::number(candy);
}

} // namespace

QString CandyDrag::mimeType()
{
    return QStringLiteral("application/x-quozzoli-caramella");
}

quint64 CandyDrag::newBoardId()
{
    static std::atomic<quint64> last {0};
    return ++last;
}

QMimeData *CandyDrag::mimeData(quint64 board, int candy)
{
    auto *mime = new QMimeData;
    mime->setData(mimeType(), encode(QCoreApplication::applicationPid(), board, candy));
    return mime;
}

int CandyDrag::candyFrom(const QMimeData *mime, quint64 board)
{
    if (!mime || !mime->hasFormat(mimeType()))
        return -1;
    const QList<QByteArray> parts = mime->data(mimeType()).split(' ');
    if (parts.size() != 3)
        return -1;
    bool pidOk = false;
    bool boardOk = false;
    bool candyOk = false;
    const qint64 pid = parts[0].toLongLong(&pidOk);
    const quint64 from = parts[1].toULongLong(&boardOk);
    const int candy = parts[2].toInt(&candyOk);
    if (!pidOk || !boardOk || !candyOk || pid != QCoreApplication::applicationPid() || from != board
        || candy < 0)
        return -1;
    return candy;
}

} // namespace Quozzoli
