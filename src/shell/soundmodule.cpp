// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundmodule.h"

#include "soundoutput.h"

#include <QDir>
#include <QLibrary>

namespace Quozzoli {

QString SoundModule::path(const QString &programDir)
{
    // Its path from the program's folder comes from the build.
    return QDir(programDir).filePath(QStringLiteral(QUOZZOLI_SOUND_MODULE));
}

std::unique_ptr<SoundOutput> SoundModule::createOutput(const QString &programDir)
{
    // Never unloaded: the output's code lives in it.
    QLibrary module(path(programDir));
    const auto create = reinterpret_cast<CreateSoundOutput>(module.resolve(SoundOutputEntry));
    if (!create) {
        qCWarning(lcSound) << "no sound module:" << module.errorString();
        return nullptr;
    }
    qCDebug(lcSound) << "sound module" << module.fileName();
    return std::unique_ptr<SoundOutput>(create());
}

} // namespace Quozzoli
