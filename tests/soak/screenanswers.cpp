// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenanswers.h"

#include "answerbox.h"
#include "form1.h"
#include "form10.h"
#include "form3.h"
#include "sharedvalues.h"
#include "twodigitscreen.h"

using namespace Quozzoli;

namespace {

AnswerBox *box(ExerciseScreen *screen, const char *name)
{
    return screen->findChild<AnswerBox *>(QString::fromLatin1(name));
}

} // namespace

QList<ScreenAnswers::Step> ScreenAnswers::rightSteps(ExerciseScreen *screen)
{
    if (qobject_cast<TwoDigitScreen *>(screen)) {
        const SharedValues &d = shared();
        QList<Step> steps {{box(screen, "Edar"), d.quoziente / 10},
                           {box(screen, "Eur"), d.quoziente % 10}};
        if (AnswerBox *remainder = box(screen, "Text2"))
            steps.append({remainder, d.resto});
        return steps;
    }
    if (qobject_cast<Form1 *>(screen))
        return {{box(screen, "Text1"), shared().quoziente}};
    if (auto *form3 = qobject_cast<Form3 *>(screen))
        return {{box(screen, "Text1"), form3->problem().quotient},
                {box(screen, "Text2"), form3->problem().remainder}};
    if (auto *form10 = qobject_cast<Form10 *>(screen)) {
        const Multiplication &m = form10->problem();
        if (form10->productMode())
            return {{box(screen, "Text1"), m.product()}};
        return {{box(screen, "Text2"), m.secondoFattore}};
    }
    return {};
}
