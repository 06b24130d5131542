// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// Finds a sound file's samples in a recording of what was played (a null
// sink's monitor at full volume holds them bit for bit): where its audible
// part, from its first to its last non-zero sample, was heard, and what of it
// was not.
class HeardSearch
{
public:
    using Samples = std::vector<std::int16_t>;

    struct Found
    {
        bool found = false;
        std::int64_t first = 0; // recording index of the first audible sample heard
        std::int64_t last = 0; // and of the last one
        std::int64_t lostAtStart = 0; // audible samples never heard, in frames
        std::int64_t lostAtEnd = 0;
        std::int64_t lostInside = 0;
        int holes = 0; // breaks inside, where something else was heard
        std::int64_t holeFrames = 0; // what was heard in them
        std::int64_t leadingZeros = 0; // the file's own silence before and after
        std::int64_t trailingZeros = 0;

        bool whole() const
        {
            return found && lostAtStart == 0 && lostAtEnd == 0 && lostInside == 0 && holes == 0;
        }
        // Heard from its first sample on, nothing lost inside, but it paused.
        bool paused() const { return found && lostAtStart == 0 && lostInside == 0 && holes > 0; }
    };

    // Looks for the file in the recording from index `from` on; its first
    // sample heard must lie before `until` (by default 20 s after `from`).
    static Found find(const Samples &recording, const Samples &file, std::int64_t from,
                      std::int64_t until = -1);

    // The silence heard between two files beyond their own, in frames: 0 when
    // the second follows the first as it would in one file.
    static std::int64_t addedGap(const Found &before, const Found &after);
};
