// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termschooser.h"

#include "form1.h"
#include "form10.h"
#include "form3.h"
#include "sharedvalues.h"
#include "tally.h"
#include "termschoice.h"
#include "termspanel.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace Quozzoli;

TermsPanel *TermsChooser::panelOf(ExerciseScreen *screen)
{
    return screen->findChild<TermsPanel *>();
}

QList<int> TermsChooser::choose(ExerciseScreen *screen, int visit)
{
    TermsPanel *panel = panelOf(screen);
    const bool tables = qobject_cast<Form10 *>(screen) != nullptr;
    const TermsChoice &choice = tables  ? Form10::terms()
        : qobject_cast<Form3 *>(screen) ? Form3::terms()
                                        : Form1::terms();
    QAction *menuItem = screen->menuAction(QLatin1String(choice.menuItem));
    if (!panel || !menuItem) {
        [&] {
            QVERIFY2(false, "no terms panel");
        }();
        return {};
    }
    menuItem->trigger();
    [&] {
        QVERIFY(panel->isVisible());
    }();

    for (int term = 0; term <= choice.lastItem; ++term)
        panel->item(term)->setChecked(false);
    [&] {
        QVERIFY(!panel->confirmButton()->isEnabled());
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QVERIFY(panel->isVisible()); // nothing can be drawn: it stays
    }();

    // Every third term of the range, starting from one that moves with the visit.
    QList<int> chosen;
    const int span = choice.highest - choice.lowest + 1;
    for (int term = choice.lowest + visit % 3; term <= choice.highest; term += 3)
        chosen.append(term);
    if (tables && visit % 2 == 1)
        chosen = {choice.lowest + visit % span}; // a single table, 0 included
    for (int term : std::as_const(chosen))
        panel->item(term)->setChecked(true);
    [&] {
        QVERIFY(panel->confirmButton()->isEnabled());
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }();
    ++m_tally.termsPanels;
    return chosen;
}

void TermsChooser::checkProblem(ExerciseScreen *screen, const QList<int> &terms)
{
    int term = -1;
    if (qobject_cast<Form1 *>(screen))
        term = shared().divisore;
    else if (auto *form3 = qobject_cast<Form3 *>(screen))
        term = form3->problem().divisor;
    else if (auto *form10 = qobject_cast<Form10 *>(screen))
        term = form10->problem().primoFattore;
    else
        return;
    // In factor mode a table 0 is asked as the table of 1.
    const bool zeroAsOne = term == 1 && terms.contains(0) && qobject_cast<Form10 *>(screen)
        && static_cast<Form10 *>(screen)->factorMode();
    QVERIFY2(terms.contains(term) || zeroAsOne,
             qPrintable(QStringLiteral("%1 drew %2").arg(screen->objectName()).arg(term)));
}
