// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace Quozzoli {

class RandomSource;

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    // From a 24-bit value stored blue-first: 0x00BBGGRR.
    static constexpr Rgb fromBgr(std::uint32_t bgr)
    {
        return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
    }
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// The screens' colour tables differ in a few entries: the two-digit screens
// keep their red and blue answer boxes readable.
enum class ColourTableVariant {
    Standard,
    TwoDigitsSmall, // exact two-digit quotients up to 99
    TwoDigitsWithRemainder, // two-digit quotients with a remainder
    TwoDigitsLarge, // exact two-digit quotients up to 882
};

inline constexpr int ColourTableSize = 18;

// Entries 1 to 18 of the table, at indexes 0 to 17.
std::array<Rgb, ColourTableSize> colourTable(ColourTableVariant variant);

// A random entry of the table, each of the 18 with the same chance.
Rgb randomColour(ColourTableVariant variant, RandomSource &random);

} // namespace Quozzoli
