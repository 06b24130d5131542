// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "afterfirstpaint.h"
#include "applicationsetup.h"
#include "displayguard.h"
#include "navigator.h"
#include "randomsource.h"
#include "screen.h"
#include "screenregistry.h"
#include "services.h"
#include "soundcues.h"
#include "soundfiles.h"
#include "soundplayer.h"

#include <QApplication>

using namespace Quozzoli;

int main(int argc, char *argv[])
{
    DisplayGuard guard;
    QApplication app(argc, argv);
    guard.connected();
    setUpApplication();
    readCommandLine(QCoreApplication::arguments());
#ifdef QUOZZOLI_APP_ID
    // The desktop entry's name, from cmake/Install.cmake (not on Windows).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUOZZOLI_APP_ID));
#endif

    registerScreens();
    Services::random().seedFromClock();
    Screen *splash = Navigator::open(ScreenId::FormAvvio);

    // Connecting to the sound system takes a while: do it once the splash
    // screen is on view, and load the effects so the first one sounds at once.
    AfterFirstPaint::run(splash, [] {
        QStringList effects;
        for (int k = 1; k <= 4; ++k)
            effects << SoundCues::fullPath(SoundFiles::rightEffect(k));
        effects << SoundCues::fullPath(SoundFiles::WrongEffect);
        Services::sound().preload(effects);
    });

    const int status = app.exec();
    Services::reset();
    return status;
}
