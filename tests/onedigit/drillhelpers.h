// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answerbox.h"
#include "exercisescreen.h"
#include "picturebutton.h"
#include "svgpicture.h"
#include "termspanel.h"
#include "testenvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <set>

// Small steps a child takes on a drill screen, and what a test reads back.
namespace Drill {

inline QString labelText(const QWidget *screen, const char *name)
{
    const auto *label = screen->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

inline Quozzoli::AnswerBox *box(const QWidget *screen, const char *name)
{
    return screen->findChild<Quozzoli::AnswerBox *>(QLatin1String(name));
}

// Types the text (if any) into the box and releases Enter there.
inline void answer(Quozzoli::AnswerBox *box, const QString &text)
{
    if (!text.isEmpty())
        QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

inline void trigger(const Quozzoli::ExerciseScreen *screen, const char *menuItem)
{
    screen->menuAction(QLatin1String(menuItem))->trigger();
}

inline void clickAvanti(const Quozzoli::ExerciseScreen *screen)
{
    QTest::mouseClick(screen->bottoneAvanti(), Qt::LeftButton);
}

inline void confirm(Quozzoli::TermsPanel *panel)
{
    QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
}

inline void tick(Quozzoli::TermsPanel *panel, int term, bool on)
{
    if (panel->item(term)->isChecked() != on)
        panel->item(term)->click();
}

// Leaves ticked only the given items, as a child would by clicking.
inline void tickOnly(Quozzoli::TermsPanel *panel, const std::set<int> &terms, int lastItem)
{
    for (int k = 0; k <= lastItem; ++k)
        tick(panel, k, terms.count(k) > 0);
}

inline bool allTicked(Quozzoli::TermsPanel *panel, int lastItem)
{
    for (int k = 0; k <= lastItem; ++k) {
        if (!panel->item(k) || !panel->item(k)->isChecked())
            return false;
    }
    return !panel->item(lastItem + 1);
}

// Which face shows: "si", "no" or "both".
inline QString face(const Quozzoli::ExerciseScreen *screen)
{
    const bool si = !screen->comandoIconaSi()->isHidden();
    const bool no = !screen->comandoIconaNo()->isHidden();
    if (si && no)
        return QStringLiteral("both");
    return si ? QStringLiteral("si") : no ? QStringLiteral("no") : QStringLiteral("none");
}

inline bool isRightSound(const QString &path)
{
    static const QRegularExpression right(QStringLiteral(R"(^\\suoni\\si[1-4]\.wav$)"));
    return right.match(path).hasMatch();
}

inline const QString WrongSound = QStringLiteral(R"(\suoni\no.wav)");

} // namespace Drill
