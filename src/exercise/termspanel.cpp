// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termspanel.h"

#include "exercisescreen.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace Quozzoli {

namespace {

constexpr QSize PanelTwips(10455, 8055);
constexpr int ItemLeft = 840;
constexpr int ItemTop = 360;
constexpr int ItemStep = 480;
constexpr QSize ItemTwips(2655, 495);
constexpr QRect ConfirmTwips(4320, 3960, 3255, 1455);
constexpr qreal PanelPoints = 12;

} // namespace

TermsPanel::TermsPanel(ExerciseScreen *screen, const TermsChoice &choice)
    : QGroupBox(QStringLiteral("Scegli i termini da utilizzare"), screen->canvas())
    , m_screen(screen)
    , m_choice(choice)
    , m_confirm(new QPushButton(QStringLiteral("Conferma"), this))
{
    setObjectName(QStringLiteral("CorniceNumeroMassimo"));
    // It covers the exercise beneath it, in the screen's colour of the moment.
    setAutoFillBackground(true);
    DesignCanvas *canvas = screen->canvas();
    canvas->place(this, QRect(QPoint(0, 0), PanelTwips), {PanelPoints});

    for (int k = 0; k <= choice.lastItem; ++k) {
        auto *box = new QCheckBox(QString::number(k), this);
        box->setObjectName(QStringLiteral("OpPrimo_%1").arg(k));
        box->setChecked(true);
        canvas->place(box, QRect(QPoint(ItemLeft, ItemTop + ItemStep * k), ItemTwips),
                      {PanelPoints});
        connect(box, &QCheckBox::stateChanged, this, &TermsPanel::refreshConfirm);
        m_items.append(box);
    }

    m_confirm->setObjectName(QStringLiteral("Command3D2"));
    canvas->place(m_confirm, ConfirmTwips, {PanelPoints});
    connect(m_confirm, &QPushButton::clicked, this, &TermsPanel::confirm);

    if (QAction *menuItem = screen->menuAction(QString::fromLatin1(choice.menuItem)))
        connect(menuItem, &QAction::triggered, this, &TermsPanel::bringUp);

    hide();
}

bool TermsPanel::isChosen(int term) const
{
    const QCheckBox *box = item(term);
    return box && box->checkState() != Qt::Unchecked;
}

TermDrawer TermsPanel::drawer() const
{
    return m_choice.drawer([this](int term) { return isChosen(term); });
}

QCheckBox *TermsPanel::item(int term) const
{
    return term >= 0 && term < m_items.size() ? m_items.at(term) : nullptr;
}

void TermsPanel::setConfirmRule(std::function<bool()> rule)
{
    m_confirmRule = std::move(rule);
    refreshConfirm();
}

void TermsPanel::refreshConfirm()
{
    m_confirm->setEnabled(m_confirmRule ? m_confirmRule() : drawer().canDraw());
}

void TermsPanel::bringUp()
{
    m_screen->canvas()->moveTo(this, QPoint(0, 0));
    refreshConfirm();
    show();
    raise();
    // The keys go to the panel, not to the answer box it covers.
    m_items.first()->setFocus();
}

void TermsPanel::confirm()
{
    // Never closed on a choice that no problem can be drawn from.
    refreshConfirm();
    if (!m_confirm->isEnabled())
        return;
    hide();
    m_screen->nuovaDivisione();
}

} // namespace Quozzoli
