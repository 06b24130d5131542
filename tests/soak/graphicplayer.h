// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class ManualClock;
struct Tally;

namespace Quozzoli {
class AnswerBox;
class CandyBoard;
} // namespace Quozzoli

// Plays one problem of a candy board as a child would: waits through the
// spoken introduction, shares the candies by dropping them on the children
// (with a candy too many now and then, and drops on children not in play),
// answers in the panel right, wrong and with garbage, and goes on with
// "avanti". Checks the board, the trays and the counters at every step.
class GraphicPlayer
{
public:
    GraphicPlayer(Tally &tally, ManualClock &clock)
        : m_tally(tally)
        , m_clock(clock)
    { }

    void solve(Quozzoli::CandyBoard *board, int problem);

private:
    void introduce(Quozzoli::CandyBoard *board);
    void share(Quozzoli::CandyBoard *board, int problem);
    // Drops the first candy on the table on the child; false if it was not taken.
    bool drop(Quozzoli::CandyBoard *board, int child);
    void answer(Quozzoli::CandyBoard *board, int problem);
    bool enter(Quozzoli::CandyBoard *board, Quozzoli::AnswerBox *box, const QString &text,
               long expected, bool last);
    void checkCounters(Quozzoli::CandyBoard *board);

    Tally &m_tally;
    ManualClock &m_clock;
};
