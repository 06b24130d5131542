// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "termdrawer.h"
#include "termschoice.h"

#include <QGroupBox>
#include <QList>

#include <functional>

class QCheckBox;
class QPushButton;

namespace Quozzoli {

class ExerciseScreen;

// The panel "Scegli i termini da utilizzare": one check box per term and
// "Conferma". It stays hidden while the child works; its menu item brings it
// up at the top-left corner, over everything, and "Conferma" hides it and
// poses a new problem. The ticks are the only store of the choice: the
// screen's drawer reads them each time it draws.
class TermsPanel : public QGroupBox
{
    Q_OBJECT

public:
    TermsPanel(ExerciseScreen *screen, const TermsChoice &choice);

    // Term k is chosen unless its box is unticked (a greyed box counts too).
    bool isChosen(int term) const;
    // Draws over the screen's range, keeping the ticked terms.
    TermDrawer drawer() const;

    QCheckBox *item(int term) const;
    QPushButton *confirmButton() const { return m_confirm; }

    // "Conferma" is enabled only while the rule holds, that is while a
    // problem can be drawn; by default, while a term of the range is ticked.
    void setConfirmRule(std::function<bool()> rule);
    void refreshConfirm();

    // At the top-left corner, above the exercise; nothing beneath changes.
    void bringUp();

private:
    void confirm();

    ExerciseScreen *m_screen;
    TermsChoice m_choice;
    QList<QCheckBox *> m_items;
    QPushButton *m_confirm;
    std::function<bool()> m_confirmRule;
};

} // namespace Quozzoli
