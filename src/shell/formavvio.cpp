// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formavvio.h"

#include "navigator.h"
#include "picturebutton.h"
#include "sharedvalues.h"

#include <QLabel>

namespace Quozzoli {

FormAvvio::FormAvvio(QWidget *parent)
    : Screen(QSize(10035, 8490), QColor(0, 255, 255), parent)
    , m_subtitle(makeLabel(QStringLiteral("Label2_1"), QStringLiteral("Esercitazioni matematiche"),
                           canvas()))
    , m_title(makeLabel(QStringLiteral("Label2_0"), QStringLiteral("Quozzoli"), canvas()))
    , m_avvio(new PictureButton(QStringLiteral("Avvio"), QStringLiteral(":/pictures/quozzoli.svg"),
                                canvas()))
{
    setObjectName(QStringLiteral("FormAvvio"));
    // The title bar stays empty: a screen reader names the window.
    setAccessibleName(QStringLiteral("Quozzoli"));
    setColourTable(ColourTableVariant::Standard);
    m_avvio->setObjectName(QStringLiteral("Command1"));
    m_subtitle->setAlignment(Qt::AlignCenter);
    m_title->setAlignment(Qt::AlignCenter);
    m_subtitle->setFocusPolicy(Qt::NoFocus);
    m_title->setFocusPolicy(Qt::NoFocus);
    canvas()->place(m_subtitle, QRect(2280, 240, 4935, 855), {18});
    canvas()->place(m_title, QRect(1365, 1680, 6675, 2055), {72});
    canvas()->place(m_avvio, QRect(2520, 4440, 4425, 1305), {24});
    connect(m_avvio, &QToolButton::clicked, this, &FormAvvio::command1Click);
    m_avvio->setFocus();
}

void FormAvvio::formLoad()
{
    shared().attendiBottone = true;
    caricaColori();
}

void FormAvvio::command1Click()
{
    Navigator::open(ScreenId::FormMenu, this);
}

} // namespace Quozzoli
