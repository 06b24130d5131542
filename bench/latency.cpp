// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "latency.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

int Latency::runs()
{
    const int asked = qEnvironmentVariableIntValue("BENCH_RUNS");
    return asked > 0 ? asked : 51;
}

void Latency::measure(const std::function<void()> &prepare, const std::function<void()> &act)
{
    std::vector<qint64> times;
    const int count = runs();
    // One run first that is not counted: the first time through loads code
    // and pictures that later runs find ready.
    for (int run = -1; run < count; ++run) {
        prepare();
        settle();
        QElapsedTimer clock;
        clock.start();
        act();
        const qint64 elapsed = clock.nsecsElapsed();
        if (run >= 0)
            times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) {
        return double(times[std::size_t(share * double(times.size() - 1) + 0.5)]) / 1.0e6;
    };
    qInfo("%d runs: min %.3f ms, median %.3f ms, 90th percentile %.3f ms, max %.3f ms", count,
          at(0.0), at(0.5), at(0.9), at(1.0));
    QTest::setBenchmarkResult(qreal(times[times.size() / 2]), QTest::WalltimeNanoseconds);
}

void Latency::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Latency::waitUntilShown(QWidget *window)
{
    QTimer guard; // wakes the wait should the window never come
    guard.start(2000);
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())
           && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The exposure paints the window; let what it posted run too.
    QCoreApplication::processEvents();
}
