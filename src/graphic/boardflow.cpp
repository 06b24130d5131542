// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardflow.h"

namespace Quozzoli {

BoardFlow::BoardFlow(Board board)
    : m_board(std::move(board))
{ }

void BoardFlow::step(int step)
{
    if (step == 1)
        m_state = State::CandiesShown;
    else if (step == 2)
        m_state = State::ChildrenShown;
    else if (step == 3 && m_state == State::ChildrenShown)
        m_state = State::Sharing;
}

void BoardFlow::quotientRight()
{
    if (m_state == State::AnswerPanelOpen)
        m_state = State::WaitingForRemainder;
}

void BoardFlow::receive(const Action &input)
{
    if (!hold(input))
        handle(input);
}

bool BoardFlow::hold(const Action &input)
{
    if (!m_board.speaking() && m_held.empty())
        return false;
    m_held.push_back(input);
    return true;
}

void BoardFlow::handleHeld()
{
    while (!m_board.speaking() && !m_held.empty()) {
        const Action input = m_held.front();
        m_held.pop_front();
        handle(input);
    }
}

void BoardFlow::handle(const Action &input)
{
    const bool sharing = m_state == State::ChildrenShown || m_state == State::Sharing;
    const bool answering
        = m_state == State::AnswerPanelOpen || m_state == State::WaitingForRemainder;
    switch (input.kind) {
    case Action::Kind::Drop:
        if (sharing)
            m_board.share(input.child, input.candy);
        break;
    case Action::Kind::Key:
        // The candy is picked now: keys held back each take one still there.
        if (sharing)
            m_board.share(input.child, m_board.lastCandy());
        break;
    case Action::Kind::Type:
        m_board.type(input);
        break;
    case Action::Kind::Enter:
        if (answering)
            m_board.judge(input.box);
        break;
    case Action::Kind::Avanti:
        if (m_state == State::Solved)
            m_board.nextProblem();
        break;
    }
}

} // namespace Quozzoli
