// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundcues.h"

#include "randomsource.h"
#include "services.h"
#include "soundfiles.h"
#include "soundplayer.h"

namespace Quozzoli {

QString SoundCues::fullPath(const std::string &relativePath)
{
    return QString::fromStdString(
        SoundFiles::fullPath(Services::programDir().toStdString(), relativePath));
}

void SoundCues::suonoEsatto()
{
    const int k = Services::random().draw(4) + 1;
    Services::sound().play(fullPath(SoundFiles::rightEffect(k)));
}

void SoundCues::suonoErrato()
{
    Services::sound().play(fullPath(SoundFiles::WrongEffect));
}

void SoundCues::speak(const std::vector<std::string> &relativePaths)
{
    QStringList paths;
    for (const std::string &path : relativePaths)
        paths << fullPath(path);
    Services::sound().speak(paths);
}

} // namespace Quozzoli
