// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exerciseframe.h"

namespace Quozzoli {

MenuEntry MenuEntry::command(const char *name, const char *caption, int blanks)
{
    return {QString::fromLatin1(name),
            QString::fromUtf8(caption) + QString(blanks, QLatin1Char(' ')),
            {}};
}

QList<MenuEntry> exerciseMenu(int azzeraBlanks, const QList<MenuEntry> &own, int informazioniBlanks)
{
    QList<MenuEntry> menu {MenuEntry::command("MenuAzzera", "Azzera conteggio", azzeraBlanks)};
    menu += own;
    menu += MenuEntry::command("MenuInformazioni", "Informazioni", informazioniBlanks);
    menu += MenuEntry::command("mnuEsci", "Esci");
    return menu;
}

} // namespace Quozzoli
