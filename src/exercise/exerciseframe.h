// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colourtable.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace Quozzoli {

// One entry of an exercise screen's menu bar: a command, or a drop-down when
// it has items. Captions carry trailing blanks that space the entries apart.
struct MenuEntry
{
    QString name;
    QString caption;
    QList<MenuEntry> items;

    // A command whose caption is followed by so many blanks.
    static MenuEntry command(const char *name, const char *caption, int blanks = 0);
};

// The menu bar of an exercise: "Azzera conteggio", the screen's own entries,
// "Informazioni" and "Esci", each caption padded with its blanks.
QList<MenuEntry> exerciseMenu(int azzeraBlanks, const QList<MenuEntry> &own,
                              int informazioniBlanks);

// What tells one exercise screen's frame from another's: the client area, the
// design colour, where the faces, counters and "avanti" stand (twips), and the
// menu bar.
struct ExerciseFrame
{
    QSize clientTwips;
    QColor designColour;
    QPoint faces;
    QPoint esatti;
    QPoint errati;
    QPoint avanti;
    bool esattiHeading = true;
    bool numeric = true; // numeric screens hide "avanti" at design
    std::optional<ColourTableVariant> colours; // none: the design colour stays
    QList<MenuEntry> menu;
};

} // namespace Quozzoli
