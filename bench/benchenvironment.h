// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menuexercise.h"
#include "testenvironment.h"

// The program as it runs, for measuring: the real sound player (on a machine
// with no sound device, as the benchmarks are run) playing the program's own
// sound files, effects loaded ahead as at start-up; chance, the clock and the
// message boxes are the test doubles, so that runs repeat.
class BenchEnvironment
{
public:
    enum class Sound {
        Real, // the program's own player and sound files
        Silent, // the test double: measures the program, not how long a prompt speaks
    };

    explicit BenchEnvironment(Sound sound = Sound::Real);
    ~BenchEnvironment();

    TestEnvironment &doubles() { return m_doubles; }

    // Opens a screen as the program would and waits until it is on view.
    Quozzoli::Screen *open(Quozzoli::ScreenId id);
    template<class S> S *open(Quozzoli::ScreenId id) { return static_cast<S *>(open(id)); }

private:
    TestEnvironment m_doubles;
};
