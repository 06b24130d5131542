// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

namespace Quozzoli {

class RandomSource;

// Draws a term (a divisor, a times table) over a range of whole numbers,
// keeping only the terms the child has chosen. Whether a term is chosen is
// asked at the moment of drawing, so a change of the choice counts from the
// next draw on.
class TermDrawer
{
public:
    using IsChosen = std::function<bool(int term)>;

    // Candidates are lowest + draw(count): lowest .. lowest + count - 1.
    TermDrawer(int lowest, int count, IsChosen isChosen);

    // A candidate 0 stands for the term 1 (the times tables' factor mode,
    // where the table 0 is never asked).
    void setZeroCountsAsOne(bool on) { m_zeroCountsAsOne = on; }

    // The terms a candidate can stand for.
    int lowestTerm() const;
    int highestTerm() const { return m_lowest + m_count - 1; }
    // True when some term that a candidate can stand for is chosen: only then
    // can a draw end.
    bool canDraw() const;

    // One candidate over the whole range.
    int candidate(RandomSource &random) const;
    // The candidate when it is chosen; otherwise fresh candidates over the
    // whole range until one is chosen. Nothing, and no draw, when no term of
    // the range is chosen.
    std::optional<int> keepChosen(int candidate, RandomSource &random) const;
    std::optional<int> draw(RandomSource &random) const;

private:
    int m_lowest;
    int m_count;
    IsChosen m_isChosen;
    bool m_zeroCountsAsOne = false;
};

} // namespace Quozzoli
