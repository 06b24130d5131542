// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termspanelfixture.h"

#include "form1.h"
#include "form10.h"
#include "form3.h"
#include "screendriver.h"
#include "sharedvalues.h"

using namespace Quozzoli;
using namespace ScreenDriver;

ExerciseScreen *TermsPanelFixture::open(Subject subject, bool wait)
{
    shared().attendiBottone = wait;
    switch (subject) {
    case Subject::Form1:
        return m_env->open<Form1>(ScreenId::Form1);
    case Subject::Form3:
        return m_env->open<Form3>(ScreenId::Form3);
    case Subject::Form10Factor:
        return m_env->open<Form10>(ScreenId::Form10);
    case Subject::Form10Product: {
        auto *form = m_env->open<Form10>(ScreenId::Form10);
        trigger(form, "MenuProdotto");
        return form;
    }
    }
    return nullptr;
}

void TermsPanelFixture::scriptProblem(Subject subject, int term)
{
    ScriptedRandom &random = m_env->random;
    random.pushDraw(4, 18);
    switch (subject) {
    case Subject::Form1:
        random.pushDraw(term - 1, 9);
        random.pushDraw(3, 9);
        break;
    case Subject::Form3:
        random.pushDraw(term - 1, 9);
        random.pushDraw(3, 10);
        random.pushDraw(0, term);
        break;
    case Subject::Form10Factor:
    case Subject::Form10Product:
        random.pushDraw(term, 11);
        random.pushDraw(3, 11);
        break;
    }
}

void TermsPanelFixture::allSubjects(bool wait)
{
    QTest::addColumn<Subject>("subject");
    if (wait)
        QTest::addColumn<bool>("wait");
    for (auto [name, subject] :
         {std::pair {"Form1", Subject::Form1}, std::pair {"Form3", Subject::Form3},
          std::pair {"Form10 factor", Subject::Form10Factor},
          std::pair {"Form10 product", Subject::Form10Product}}) {
        if (!wait) {
            QTest::newRow(name) << subject;
            continue;
        }
        QTest::addRow("%s, waits", name) << subject << true;
        QTest::addRow("%s, goes on", name) << subject << false;
    }
}

int TermsPanelFixture::lastItem(const ExerciseScreen *screen)
{
    return qobject_cast<const Form10 *>(screen) ? 10 : 9;
}

TermsPanel *TermsPanelFixture::panelOf(const ExerciseScreen *screen)
{
    return screen->findChild<TermsPanel *>(QStringLiteral("CorniceNumeroMassimo"));
}

TermsPanel *TermsPanelFixture::openPanel(const ExerciseScreen *screen)
{
    ScreenDriver::trigger(screen, lastItem(screen) == 10 ? "MenuNumeroMassimo" : "mnuTermini");
    return panelOf(screen);
}

int TermsPanelFixture::term(const ExerciseScreen *screen)
{
    if (auto *form3 = qobject_cast<const Form3 *>(screen))
        return form3->problem().divisor;
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        return form10->problem().primoFattore;
    return shared().divisore;
}

AnswerBox *TermsPanelFixture::firstBox(const ExerciseScreen *screen)
{
    if (auto *form10 = qobject_cast<const Form10 *>(screen))
        return box(screen, form10->productMode() ? "Text1" : "Text2");
    return box(screen, "Text1");
}

bool TermsPanelFixture::anyAnswerBoxEnabled(const ExerciseScreen *screen)
{
    for (const char *name : {"Text1", "Text2"}) {
        AnswerBox *b = box(screen, name);
        if (b && b->isEnabled() && !b->isHidden())
            return true;
    }
    return false;
}

void TermsPanelFixture::solve(const ExerciseScreen *screen)
{
    for (const Step &step : rightSteps(screen))
        answer(step.box, QString::number(step.expected));
}
