// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace Quozzoli {

// The about box and the two questions every screen may ask. Each opens over
// the parent's window and returns at once; what follows "Sì" runs when the
// child answers, and never if the parent is closed first.
class Dialogs
{
public:
    static QString aboutText();
    static void mostraInformazioni(QWidget *parent);
    // Ends the program when the child answers yes.
    static void chiediUscita(QWidget *parent);
    static void chiediRitornoAlMenu(QWidget *parent, std::function<void()> onYes);

    static const QString ExitQuestion;
    static const QString ReturnQuestion;
};

} // namespace Quozzoli
