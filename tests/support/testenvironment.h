// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "manualclock.h"
#include "recordingsoundplayer.h"
#include "screenid.h"
#include "scriptedmessageboxes.h"
#include "scriptedrandom.h"

#include <QList>
#include <QPair>

namespace Quozzoli {
class Screen;
}

// How long a test waits for an event (a window shown or activated, a drop,
// a picture drawn) before it gives up: long enough for a machine busy with
// other work, as it only ends a wait that will never be answered.
constexpr int Patience = 120000;

// Puts test doubles behind every link of the program to the outside world
// and registers the screens; closes every window when it goes.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    ScriptedRandom &random;
    RecordingSoundPlayer &sound;
    ScriptedMessageBoxes &boxes;
    ManualClock &clock;
    int quitRequests = 0;

    static QString programDir() { return QStringLiteral("/quozzoli"); }

    // Opens a screen as the program would, from no other screen.
    Quozzoli::Screen *open(Quozzoli::ScreenId id);
    template<class S> S *open(Quozzoli::ScreenId id) { return static_cast<S *>(open(id)); }

    // Every screen of the program, with the name of its window.
    static const QList<QPair<const char *, Quozzoli::ScreenId>> &everyScreen();

    // The one window on view (the program shows one at a time).
    static Quozzoli::Screen *current();
    // Lets deferred deletions and posted events run.
    static void settle();
    static void closeAll();
};
