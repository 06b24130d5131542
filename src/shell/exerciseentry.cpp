// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exerciseentry.h"

namespace Quozzoli {

QString menuHeading(MenuColumn column)
{
    switch (column) {
    case MenuColumn::ConINumeri:
        return QStringLiteral("Con i numeri");
    case MenuColumn::ConSupportoGrafico:
        return QStringLiteral("Con supporto grafico");
    case MenuColumn::DueCifre:
        return QStringLiteral("dividendo di due cifre");
    case MenuColumn::TreCifre:
        return QStringLiteral("dividendo di tre cifre");
    }
    return QString();
}

QString ExerciseEntry::spokenName() const
{
    QString spoken = QString::fromUtf8(caption).trimmed();
    spoken.replace(QStringLiteral("Quioziente"), QStringLiteral("Quoziente"));
    return spoken + QStringLiteral(", ") + menuHeading(column);
}

} // namespace Quozzoli
