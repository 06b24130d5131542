// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

class QLabel;

namespace Quozzoli {

class DesignCanvas;
struct BoardLayout;
struct CandyProblem;

// What a board says in each step of its introduction and once solved, and
// the three lines under it that write down what was said in steps 1 to 3:
// the candies, the children, the task. Each line is hidden until its step.
class BoardWords
{
public:
    BoardWords(const BoardLayout &layout, DesignCanvas *canvas);

    // The sentence of step 1, 2 or 3, one file after the other.
    std::vector<std::string> step(int step, const CandyProblem &problem) const;
    // The solved division read back.
    std::vector<std::string> solution(const CandyProblem &problem) const;

    // Every line hidden.
    void clear();
    // The line of step 1, 2 or 3 written and shown.
    void write(int step, const CandyProblem &problem);

private:
    const BoardLayout &m_layout;
    QLabel *m_label3;
    QLabel *m_label4;
    QLabel *m_label5;
};

} // namespace Quozzoli
