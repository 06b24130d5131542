// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundfiles.h"

#include <algorithm>

namespace Quozzoli::SoundFiles {

std::string rightEffect(int k)
{
    return "\\suoni\\si" + std::to_string(k) + ".wav";
}

std::string number(int n)
{
    return "\\voci\\" + std::to_string(n) + ".wav";
}

std::string fullPath(const std::string &programDir, const std::string &relative)
{
    std::string path = programDir + relative;
#ifndef _WIN32
    std::replace(path.begin() + std::ptrdiff_t(programDir.size()), path.end(), '\\', '/');
#endif
    return path;
}

std::vector<std::string> allFiles()
{
    std::vector<std::string> files;
    for (int k = 1; k <= 4; ++k)
        files.push_back(rightEffect(k));
    files.push_back(WrongEffect);
    for (const char *prompt : {CiSono, Caramelle, Bambini, SoloUno, Ogni, Scopri1, Scopri2,
                               Attento1, Diviso, Uguale, Resto})
        files.push_back(prompt);
    for (int n = 0; n <= LargestSpokenNumber; ++n)
        files.push_back(number(n));
    return files;
}

} // namespace Quozzoli::SoundFiles
