// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerchain.h"

#include "answerbox.h"
#include "exercisescreen.h"

namespace Quozzoli {

AnswerChain::AnswerChain(ExerciseScreen *screen, const QList<AnswerBox *> &boxes)
    : AnswerChain(screen, boxes, Rules())
{ }

AnswerChain::AnswerChain(ExerciseScreen *screen, const QList<AnswerBox *> &boxes, Rules rules)
    : QObject(screen)
    , m_screen(screen)
    , m_boxes(boxes)
    , m_rules(rules)
{
    for (AnswerBox *box : boxes) {
        connect(box, &AnswerBox::enterReleased, this, [this, box] { judge(box); });
    }
}

void AnswerChain::start(const QList<Answer> &answers)
{
    m_answers = answers;
    m_turn = answers.isEmpty() ? -1 : 0;
    for (const Answer &answer : answers) {
        answer.box->setEnabled(answer.box == answers.first().box);
        answer.box->clear();
    }
    if (m_turn == 0)
        answers.first().box->setFocus();
}

void AnswerChain::stop()
{
    m_turn = -1;
    for (AnswerBox *box : std::as_const(m_boxes))
        box->setEnabled(false);
}

void AnswerChain::judge(AnswerBox *box)
{
    if (m_turn < 0 || m_answers.at(m_turn).box != box || !box->isEnabled())
        return;
    if (box->text().isEmpty() && !m_rules.judgesEmpty)
        return;
    if (!box->holds(m_answers.at(m_turn).expected)) {
        m_screen->wrongEntry(box);
        return;
    }
    const bool last = m_turn + 1 == m_answers.size();
    // A right entry shows the happy face, the solving one always: a child who
    // has just corrected a wrong answer must not keep seeing the sad face.
    if (last || m_rules.everyRightEntrySmiles)
        m_screen->showVerdict(true);
    if (last) {
        m_turn = -1;
        m_screen->answerSolved(box);
        return;
    }
    AnswerBox *next = m_answers.at(++m_turn).box;
    box->setEnabled(false);
    next->setEnabled(true);
    next->setFocus();
}

} // namespace Quozzoli
