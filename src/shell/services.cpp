// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services.h"

#include "clock.h"
#include "qtmessageboxes.h"
#include "qtsoundplayer.h"
#include "randomsource.h"
#include "soundmodule.h"
#include "soundoutput.h"

#include <QApplication>

namespace Quozzoli {

namespace {

struct Held
{
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<Clock> clock;
    QString programDir;
    std::function<void()> quit;
};

Held &held()
{
    static Held instance;
    return instance;
}

} // namespace

RandomSource &Services::random()
{
    if (!held().random)
        held().random = std::make_unique<SystemRandom>();
    return *held().random;
}

SoundPlayer &Services::sound()
{
    // Loads the sound module: the program first asks for the player once its
    // first window has painted (main.cpp).
    if (!held().sound)
        held().sound = std::make_unique<QtSoundPlayer>(SoundModule::createOutput(programDir()));
    return *held().sound;
}

MessageBoxes &Services::messageBoxes()
{
    if (!held().messageBoxes)
        held().messageBoxes = std::make_unique<QtMessageBoxes>();
    return *held().messageBoxes;
}

Clock &Services::clock()
{
    if (!held().clock)
        held().clock = std::make_unique<SteadyClock>();
    return *held().clock;
}

QString Services::programDir()
{
    if (held().programDir.isEmpty())
        return QCoreApplication::applicationDirPath();
    return held().programDir;
}

void Services::quit()
{
    if (held().quit) {
        held().quit();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Services::setRandom(std::unique_ptr<RandomSource> random)
{
    held().random = std::move(random);
}

void Services::setSound(std::unique_ptr<SoundPlayer> sound)
{
    held().sound = std::move(sound);
}

void Services::setMessageBoxes(std::unique_ptr<MessageBoxes> boxes)
{
    held().messageBoxes = std::move(boxes);
}

void Services::setClock(std::unique_ptr<Clock> clock)
{
    held().clock = std::move(clock);
}

void Services::setProgramDir(const QString &dir)
{
    held().programDir = dir;
}

void Services::setQuitHandler(std::function<void()> quit)
{
    held().quit = std::move(quit);
}

void Services::reset()
{
    held() = Held {};
}

} // namespace Quozzoli
