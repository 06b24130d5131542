// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerchain.h"

#include "answerbox.h"

namespace Quozzoli {

AnswerChain::AnswerChain(const QList<AnswerBox *> &boxes, Rules rules, QObject *parent)
    : QObject(parent)
    , m_boxes(boxes)
    , m_rules(rules)
{ }

void AnswerChain::start(const QList<Answer> &answers)
{
    m_answers = answers;
    m_turn = answers.isEmpty() ? -1 : 0;
    for (const Answer &answer : answers) {
        answer.box->setEnabled(answer.box == answers.first().box);
        answer.box->setAccessibleDescription(QString()); // the last problem's verdict
    }
    // The focus first: a screen reader announces the box taking it, which
    // it does not once the box has told of its emptied text.
    if (m_turn == 0)
        answers.first().box->setFocus();
    for (const Answer &answer : answers)
        answer.box->clear();
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
    if (!box->holds(m_answers.at(m_turn).expected())) {
        emit wrong(box);
        return;
    }
    if (m_turn + 1 == m_answers.size()) {
        m_turn = -1;
        emit solved(box);
        return;
    }
    AnswerBox *next = m_answers.at(++m_turn).box;
    box->setEnabled(false);
    next->setEnabled(true);
    next->setFocus();
    emit right(box);
}

} // namespace Quozzoli
