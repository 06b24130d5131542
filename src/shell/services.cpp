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

// The service in the slot, made first if there is none.
template<typename Service, typename Make> Service &made(std::unique_ptr<Service> &slot, Make make)
{
    if (!slot)
        slot = make();
    return *slot;
}

} // namespace

RandomSource &Services::random()
{
    return made(held().random, [] { return std::make_unique<SystemRandom>(); });
}

SoundPlayer &Services::sound()
{
    // Loads the sound module: the program first asks for the player once its
    // first window has painted (main.cpp).
    return made(held().sound, [] {
        return std::make_unique<QtSoundPlayer>(SoundModule::createOutput(programDir()));
    });
}

MessageBoxes &Services::messageBoxes()
{
    return made(held().messageBoxes, [] { return std::make_unique<QtMessageBoxes>(); });
}

Clock &Services::clock()
{
    return made(held().clock, [] { return std::make_unique<SteadyClock>(); });
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
