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

// Hands the program a new test double of its own and keeps a reference.
template<class Double, class Link> static Double &installed(void (*install)(std::unique_ptr<Link>))
{
    auto *made = new Double;
    install(std::unique_ptr<Link>(made));
    return *made;
}

TestEnvironment::TestEnvironment()
    : random(installed<ScriptedRandom>(&Services::setRandom))
    , sound(installed<RecordingSoundPlayer>(&Services::setSound))
    , boxes(installed<ScriptedMessageBoxes>(&Services::setMessageBoxes))
    , clock(installed<ManualClock>(&Services::setClock))
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

const QList<QPair<const char *, ScreenId>> &TestEnvironment::everyScreen()
{
    static const QList<QPair<const char *, ScreenId>> screens = {
        {"FormAvvio", ScreenId::FormAvvio}, {"FormMenu", ScreenId::FormMenu},
        {"Form1", ScreenId::Form1},         {"Form2", ScreenId::Form2},
        {"Form3", ScreenId::Form3},         {"Form4", ScreenId::Form4},
        {"Form5", ScreenId::Form5},         {"Form6", ScreenId::Form6},
        {"Form7", ScreenId::Form7},         {"Form8", ScreenId::Form8},
        {"Form9", ScreenId::Form9},         {"Form10", ScreenId::Form10},
        {"Form11", ScreenId::Form11},
    };
    return screens;
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
