// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace Quozzoli {

// Runs a piece of work once a window has painted for the first time, so that
// slow start-up work never delays the first picture the child sees.
class AfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    static void run(QWidget *window, std::function<void()> work);

    // How long after the first paint the work starts: one frame at 60 Hz.
    static constexpr int FrameMs = 17;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AfterFirstPaint(QWidget *window, std::function<void()> work);

    std::function<void()> m_work;
};

} // namespace Quozzoli
