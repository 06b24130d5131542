// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourtable.h"

#include "randomsource.h"

namespace Quozzoli {

std::array<Rgb, ColourTableSize> colourTable(ColourTableVariant variant)
{
    std::array<Rgb, ColourTableSize> table {
        Rgb::fromBgr(0xC0C0FF), Rgb::fromBgr(0x8080FF), Rgb::fromBgr(0x0000FF),
        Rgb::fromBgr(0x80C0FF), Rgb::fromBgr(0x0080FF), Rgb::fromBgr(0xC0FFFF),
        Rgb::fromBgr(0x00FFFF), Rgb::fromBgr(0x0040C0), Rgb::fromBgr(0x80FF80),
        Rgb::fromBgr(0x00C000), Rgb::fromBgr(0xFFFFC0), Rgb::fromBgr(0xFFFF00),
        Rgb::fromBgr(0xFFC0C0), Rgb::fromBgr(0xFFC0FF), Rgb::fromBgr(0xFFC0FF),
        Rgb::fromBgr(0xE0E0E0), Rgb::fromBgr(0xFF0000), Rgb::fromBgr(0xFF00FF),
    };
    auto entry = [&table](int index) -> Rgb & {
        return table[std::size_t(index - 1)];
    };
    switch (variant) {
    case ColourTableVariant::Standard:
        break;
    case ColourTableVariant::TwoDigitsSmall:
        entry(2) = Rgb::fromBgr(0xC0C0FF);
        entry(17) = Rgb::fromBgr(0xFFC0FF);
        break;
    case ColourTableVariant::TwoDigitsWithRemainder:
        entry(3) = Rgb::fromBgr(0xFFC0FF);
        entry(17) = Rgb::fromBgr(0xC0FFFF);
        break;
    case ColourTableVariant::TwoDigitsLarge:
        entry(3) = Rgb::fromBgr(0xFFC0C0);
        entry(17) = Rgb::fromBgr(0xC0FFFF);
        break;
    }
    return table;
}

Rgb randomColour(ColourTableVariant variant, RandomSource &random)
{
    const int k = random.draw(ColourTableSize) + 1;
    return colourTable(variant)[std::size_t(k - 1)];
}

} // namespace Quozzoli
