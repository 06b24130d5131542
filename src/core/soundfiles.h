// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace Quozzoli::SoundFiles {

// Paths are written relative to the program's folder, each starting with a
// backslash ("\suoni\no.wav"); fullPath() turns them into real paths.

std::string rightEffect(int k); // k = 1..4: "\suoni\si1.wav" .. "\suoni\si4.wav"
inline constexpr const char *WrongEffect = "\\suoni\\no.wav";

inline constexpr const char *CiSono = "\\voci\\cisono.wav";
inline constexpr const char *Caramelle = "\\voci\\caramelle.wav";
inline constexpr const char *Bambini = "\\voci\\bambini.wav";
inline constexpr const char *SoloUno = "\\voci\\solouno.wav";
inline constexpr const char *Ogni = "\\voci\\ogni.wav";
inline constexpr const char *Scopri1 = "\\voci\\scopri1.wav";
inline constexpr const char *Scopri2 = "\\voci\\scopri2.wav";
inline constexpr const char *Attento1 = "\\voci\\attento1.wav";
inline constexpr const char *Diviso = "\\voci\\diviso.wav";
inline constexpr const char *Uguale = "\\voci\\uguale.wav";
inline constexpr const char *Resto = "\\voci\\resto.wav";

// The spoken number: "\voci\" + digits + ".wav".
std::string number(int n);

// The largest number the voice folder speaks.
inline constexpr int LargestSpokenNumber = 30;

// The program folder followed directly by the relative path, whose
// backslashes become the platform's separator.
std::string fullPath(const std::string &programDir, const std::string &relative);

// Every file the program can play.
std::vector<std::string> allFiles();

} // namespace Quozzoli::SoundFiles
