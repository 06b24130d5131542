// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtmessageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace Quozzoli {

namespace {

const QString Title = QStringLiteral("Quozzoli");

} // namespace

bool QtMessageBoxes::askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, Title, text, QMessageBox::NoButton, parent);
    // Italian captions of our own, whatever translations the machine has.
    QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtMessageBoxes::inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace Quozzoli
