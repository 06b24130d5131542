// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testenvironment.h"

#include "keypadsetting.h"
#include "navigator.h"
#include "screen.h"
#include "screenregistry.h"
#include "services.h"
#include "sharedvalues.h"

#include <QApplication>
#include <QTest>

using namespace Quozzoli;

static ScriptedRandom &newRandom()
{
    auto *random = new ScriptedRandom;
    Services::setRandom(std::unique_ptr<RandomSource>(random));
    return *random;
}

static RecordingSoundPlayer &newSound()
{
    auto *sound = new RecordingSoundPlayer;
    Services::setSound(std::unique_ptr<SoundPlayer>(sound));
    return *sound;
}

static ScriptedMessageBoxes &newBoxes()
{
    auto *boxes = new ScriptedMessageBoxes;
    Services::setMessageBoxes(std::unique_ptr<MessageBoxes>(boxes));
    return *boxes;
}

static ManualClock &newClock()
{
    auto *clock = new ManualClock;
    Services::setClock(std::unique_ptr<Clock>(clock));
    return *clock;
}

TestEnvironment::TestEnvironment()
    : random(newRandom())
    , sound(newSound())
    , boxes(newBoxes())
    , clock(newClock())
{
    closeAll();
    Services::setProgramDir(programDir());
    Services::setQuitHandler([this] { ++quitRequests; });
    shared() = SharedValues {};
    KeypadSetting::shared().setChoice(KeypadSetting::Choice::Automatic);
    registerScreens();
}

TestEnvironment::~TestEnvironment()
{
    closeAll();
    Services::reset();
}

Screen *TestEnvironment::open(ScreenId id)
{
    return Navigator::open(id, nullptr);
}

Screen *TestEnvironment::current()
{
    Screen *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *screen = qobject_cast<Screen *>(widget);
        if (screen && screen->isVisible() && !screen->testAttribute(Qt::WA_WState_Hidden))
            found = screen;
    }
    return found;
}

void TestEnvironment::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestEnvironment::closeAll()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Screen *>(widget))
            widget->close();
    }
    settle();
}
