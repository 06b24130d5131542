// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace Quozzoli {

class Clock;
class MessageBoxes;
class RandomSource;
class SoundPlayer;

// The program's links to the world outside it: chance, sound, message boxes,
// the clock, its own folder and the way to end. Each is made on first use;
// tests put their own in place.
class Services
{
public:
    static RandomSource &random();
    static SoundPlayer &sound();
    static MessageBoxes &messageBoxes();
    static Clock &clock();
    static QString programDir();
    static void quit();

    static void setRandom(std::unique_ptr<RandomSource> random);
    static void setSound(std::unique_ptr<SoundPlayer> sound);
    static void setMessageBoxes(std::unique_ptr<MessageBoxes> boxes);
    static void setClock(std::unique_ptr<Clock> clock);
    static void setProgramDir(const QString &dir);
    static void setQuitHandler(std::function<void()> quit);

    // Lets go of everything (before the application object goes away).
    static void reset();
};

} // namespace Quozzoli
