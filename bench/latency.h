// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

// Times one user action at a time, each after its own preparation, which is
// not timed, and reports the median as the QtTest benchmark result (in
// nanoseconds) with the spread on a line of its own. QBENCHMARK's loop cannot
// leave out the preparation of one-shot actions, and QBENCHMARK_ONCE counts
// whole milliseconds only.
class Latency
{
public:
    static int runs(); // BENCH_RUNS, default 51

    static void measure(const std::function<void()> &prepare, const std::function<void()> &act);

    // Lets everything the action posted run, painting included, as the
    // event loop would before the next key.
    static void settle();
    // Waits, without sleeping, until the window is on view and painted.
    static void waitUntilShown(QWidget *window);
};
