// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardflow.h"

#include <algorithm>

namespace Quozzoli {

BoardFlow::BoardFlow(Board board)
    : m_board(std::move(board))
{ }

BoardFlow::State BoardFlow::state() const
{
    if (m_state != State::WaitingForStep1)
        return m_state;
    constexpr State Introduction[]
        = {State::WaitingForStep1, State::CandiesShown, State::ChildrenShown, State::Sharing};
    return Introduction[std::clamp(m_board.stepReached(), 0, 3)];
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
    const State state = this->state();
    const bool sharing = state == State::ChildrenShown || state == State::Sharing;
    const bool answering = state == State::AnswerPanelOpen || state == State::WaitingForRemainder;
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
        if (state == State::Solved)
            m_board.nextProblem();
        break;
    }
}

} // namespace Quozzoli
