// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtmessageboxes.h"

#include "accessibletext.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace Quozzoli {

namespace {

const QString Title = QStringLiteral("Quozzoli");

// A box over the parent's window, deleted once closed. The parent owns it, so
// closing the parent takes an open box with it.
QMessageBox *openBox(QMessageBox::Icon icon, const QString &iconName, QWidget *parent,
                     const QString &text)
{
    auto *box = new QMessageBox(icon, Title, text, QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    // The visible text keeps its layout; a screen reader gets its words.
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(AccessibleText::spoken(text));
    if (auto *iconLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        iconLabel->setAccessibleName(iconName);
    return box;
}

} // namespace

void QtMessageBoxes::askYesNo(QWidget *parent, const QString &text, Answer answered)
{
    QMessageBox *box = openBox(QMessageBox::Question, QStringLiteral("domanda"), parent, text);
    // Italian captions of our own, whatever translations the machine has.
    QPushButton *yes = box->addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    QPushButton *no = box->addButton(QStringLiteral("No"), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("noButton"));
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    // The answer is handed on from the event loop, not from inside the box's
    // own signal: what follows "Sì" may close the parent, and the box with it.
    // Should the parent go before then, the answer goes with it.
    QPointer<QWidget> asker = parent;
    QObject::connect(box, &QMessageBox::finished, box, [box, yes, asker, answered] {
        const bool saidYes = box->clickedButton() == yes;
        if (asker && answered)
            QMetaObject::invokeMethod(
                asker, [answered, saidYes] { answered(saidYes); }, Qt::QueuedConnection);
    });
    box->show();
}

void QtMessageBoxes::inform(QWidget *parent, const QString &text)
{
    QMessageBox *box
        = openBox(QMessageBox::Information, QStringLiteral("informazione"), parent, text);
    QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->show();
}

} // namespace Quozzoli
