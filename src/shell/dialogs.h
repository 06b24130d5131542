// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace Quozzoli {

// The about box and the two questions every screen may ask.
class Dialogs
{
public:
    static QString aboutText();
    static void mostraInformazioni(QWidget *parent);
    // Ends the program when the child answers yes.
    static void chiediUscita(QWidget *parent);
    static bool chiediRitornoAlMenu(QWidget *parent);

    static const QString ExitQuestion;
    static const QString ReturnQuestion;
};

} // namespace Quozzoli
