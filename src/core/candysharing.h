// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyproblem.h"

#include <array>

namespace Quozzoli {

enum class SharingMode {
    Partition, // a given number of children, all in view, share the candies equally
    Quotition, // each child must get a given number; children come one at a time
};

// The problem of a candy board, who holds how many of its candies, and what
// a candy dropped on a child does.
class CandySharing
{
public:
    static constexpr int Children = 5;
    static constexpr int Slots = 9; // candy slots in each child's tray

    enum class Outcome {
        Ignored, // the child is not taking part, or the sharing is over
        Refused, // partition: the child already has its share; counted as a mistake
        Taken, // the candy goes into the child's tray
        ChildServed, // quotition: taken, and the child is served; the next one comes
        Complete, // taken, and the sharing is complete
    };

    explicit CandySharing(SharingMode mode)
        : m_mode(mode)
    { }

    SharingMode mode() const { return m_mode; }

    // Nobody takes part: the board is empty.
    void clear();
    // A new problem to share.
    void start(const CandyProblem &problem);

    const CandyProblem &problem() const { return m_problem; }

    Outcome drop(int child);

    // Candies dropped on the child in this problem (refused ones included).
    int count(int child) const;
    // The child now being served in quotition (the only one taking drops).
    int servedChild() const { return m_served; }
    bool complete() const { return m_complete; }

    // The disc that shows the k-th candy (k from 0) of a child.
    static int discIndex(int child, int k) { return Slots * child + k; }

    struct Place
    {
        int left;
        int top;
    };
    // Where slot k lies in the child's tray, in twips: bottom row first;
    // child 0 fills each row from the left, the others from the right.
    static Place slotPlace(int child, int k);

private:
    bool takesPart(int child) const;

    SharingMode m_mode;
    CandyProblem m_problem;
    int m_served = 0;
    bool m_started = false;
    bool m_complete = false;
    std::array<int, Children> m_counts {};
};

} // namespace Quozzoli
