// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "childrenrow.h"

#include "accessibletext.h"
#include "candysharing.h"
#include "childpicture.h"
#include "designcanvas.h"
#include "traydisc.h"

#include <QFrame>

namespace Quozzoli {

namespace {

constexpr QSize ChildTwips(1095, 1455);
constexpr QSize TrayTwips(1335, 1455);
constexpr QSize DiscTwips(375, 375);
constexpr int ChildTop = 2040;
constexpr int ChildLefts[CandySharing::Children] = {240, 1920, 3600, 5280, 6960};
constexpr int TrayTop = 3600;
constexpr int TrayLefts[CandySharing::Children] = {120, 1800, 3480, 5160, 6840};

} // namespace

ChildrenRow::ChildrenRow(quint64 boardId, DesignCanvas *canvas)
{
    for (int n = 0; n < CandySharing::Children; ++n) {
        auto *child = new ChildPicture(n, boardId, canvas);
        canvas->place(child, QRect(QPoint(ChildLefts[n], ChildTop), ChildTwips));
        child->hide();
        m_children.append(child);

        // The tray is see-through: it shows the screen's colour.
        auto *tray = new QFrame(canvas);
        tray->setObjectName(QStringLiteral("Frame1_%1").arg(n));
        AccessibleText::markGroup(tray, {});
        tray->setFrameStyle(QFrame::Box | QFrame::Sunken);
        canvas->place(tray, QRect(QPoint(TrayLefts[n], TrayTop), TrayTwips));
        tray->hide();
        m_trays.append(tray);

        for (int k = 0; k < CandySharing::Slots; ++k) {
            auto *disc = new TrayDisc(CandySharing::discIndex(n, k), tray);
            const CandySharing::Place place = CandySharing::slotPlace(n, k);
            canvas->place(disc, QRect(QPoint(place.left, place.top), DiscTwips));
            disc->hide();
            m_discs.append(disc);
        }
        describeTray(n);
    }
}

void ChildrenRow::clear()
{
    for (int n = 0; n < CandySharing::Children; ++n) {
        m_children[n]->hide();
        m_children[n]->setEnabled(true);
        m_trays[n]->hide();
    }
}

void ChildrenRow::emptyTrays(int children)
{
    for (int k = 0; k < CandySharing::Slots * children; ++k)
        m_discs[k]->hide();
    for (int n = 0; n < children; ++n)
        describeTray(n);
}

void ChildrenRow::seat(int child)
{
    AccessibleText::showAfresh(m_children[child]);
    m_children[child]->setEnabled(true);
    AccessibleText::showAfresh(m_trays[child]);
    m_trays[child]->setEnabled(true);
}

void ChildrenRow::give(int child, int count)
{
    const int k = std::min(count, int(CandySharing::Slots)) - 1;
    m_discs[CandySharing::discIndex(child, k)]->show();
    describeTray(child);
}

void ChildrenRow::serveNext(int child)
{
    m_children[child]->setEnabled(false);
    const int next = child + 1;
    if (next >= CandySharing::Children)
        return;
    AccessibleText::showAfresh(m_children[next]);
    AccessibleText::showAfresh(m_trays[next]);
    m_trays[next]->setEnabled(true);
}

QString ChildrenRow::trayName(int child) const
{
    return m_trays[child]->accessibleName();
}

// What a screen reader says of a tray: whose it is and the candies it holds.
void ChildrenRow::describeTray(int child)
{
    int held = 0;
    for (int k = 0; k < CandySharing::Slots; ++k)
        held += m_discs[CandySharing::discIndex(child, k)]->isHidden() ? 0 : 1;
    const QString description = held == 0 ? QStringLiteral("nessuna caramella")
        : held == 1                       ? QStringLiteral("1 caramella")
                                          : QStringLiteral("%1 caramelle").arg(held);
    m_trays[child]->setAccessibleDescription(description);
    // A screen reader is told of the new name.
    m_trays[child]->setAccessibleName(
        QStringLiteral("vassoio del bambino %1: %2").arg(child + 1).arg(description));
}

} // namespace Quozzoli
