// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchenvironment.h"

#include "latency.h"
#include "navigator.h"
#include "screen.h"
#include "services.h"
#include "soundcues.h"
#include "soundfiles.h"
#include "soundplayer.h"

using namespace Quozzoli;

BenchEnvironment::BenchEnvironment(Sound sound)
{
    if (sound == Sound::Silent)
        return;
    Services::setProgramDir(QStringLiteral(QUOZZOLI_PROGRAM_DIR));
    Services::setSound(nullptr); // the program's own player is made on first use
    QStringList effects;
    for (int k = 1; k <= 4; ++k)
        effects << SoundCues::fullPath(SoundFiles::rightEffect(k));
    effects << SoundCues::fullPath(SoundFiles::WrongEffect);
    Services::sound().preload(effects);
}

BenchEnvironment::~BenchEnvironment() = default;

Screen *BenchEnvironment::open(ScreenId id)
{
    TestEnvironment::closeAll();
    Screen *screen = Navigator::open(id);
    Latency::waitUntilShown(screen);
    return screen;
}
