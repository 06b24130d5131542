// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"

#include "messageboxes.h"
#include "services.h"

#include <QStringList>

namespace Quozzoli {

const QString Dialogs::ExitQuestion = QStringLiteral("Vuoi uscire dal programma?");
const QString Dialogs::ReturnQuestion = QStringLiteral("Vuoi tornare al menù?");

QString Dialogs::aboutText()
{
    return QStringList {QStringLiteral("Quozzoli  "), QStringLiteral(" ----------------------- "),
                        QStringLiteral("https://quozzoli.example.org"),
                        QStringLiteral("mail: quozzoli@example.org")}
        .join(QStringLiteral("\r\n"));
}

void Dialogs::mostraInformazioni(QWidget *parent)
{
    Services::messageBoxes().inform(parent, aboutText());
}

void Dialogs::chiediUscita(QWidget *parent)
{
    Services::messageBoxes().askYesNo(parent, ExitQuestion, [](bool yes) {
        if (yes)
            Services::quit();
    });
}

void Dialogs::chiediRitornoAlMenu(QWidget *parent, std::function<void()> onYes)
{
    Services::messageBoxes().askYesNo(parent, ReturnQuestion, [onYes = std::move(onYes)](bool yes) {
        if (yes && onYes)
            onYes();
    });
}

} // namespace Quozzoli
